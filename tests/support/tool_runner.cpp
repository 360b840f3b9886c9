#include "tool_runner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The one setting that says how the tool is started: the words of
// RAREDUZUVER_TOOL when it is set (for example "wine /path/rareduzuver.exe"),
// else the tool this build made.
std::vector<std::string> ToolCommand() {
    const char* setting = std::getenv("RAREDUZUVER_TOOL");
    std::istringstream words(setting && *setting ? setting : RAREDUZUVER_TOOL);
    std::vector<std::string> command;
    for (std::string word; words >> word;) command.push_back(word);
    return command;
}

constexpr char kKeyListFolder[] = "drive_c/Program Files (x86)/Olverun/TarnuTN3270";
constexpr int kTimeoutMilliseconds = 120000;
// How often a run still going is checked for its end.
constexpr int kPollMilliseconds = 10;

// Starts `words` (the program found on PATH unless given with a folder) in
// `folder` with `environment`; its standard input, output and error are the
// given descriptors, /dev/null for -1. All the parent's pipe ends are
// close-on-exec, so the child keeps only these three.
pid_t Spawn(std::vector<std::string> words, const std::string& folder, std::vector<std::string> environment,
            const int (&streams)[3]) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        for (int stream = 0; stream < 3; ++stream) {
            int fd = streams[stream] >= 0 ? streams[stream] : open("/dev/null", stream == 0 ? O_RDONLY : O_WRONLY);
            dup2(fd, stream);
        }
        if (chdir(folder.c_str()) != 0) _exit(127);
        execve(argv[0], argv.data(), envp.data());
        if (errno == ENOENT) execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return child;
}

std::string WithoutCarriageReturns(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace

bool TestingWindowsBuild() {
    const char* setting = std::getenv("RAREDUZUVER_WINDOWS");
    return setting && std::strcmp(setting, "1") == 0;
}

Sandbox::Sandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rareduzuver-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    std::filesystem::create_directories(folder_ + "/home");
    const char* shared = std::getenv("RAREDUZUVER_WINEPREFIX");
    sharedPrefix_ = shared && *shared;
    prefix_ = sharedPrefix_ ? shared : folder_ + "/prefix";
    // A prefix of its own would cost every Sandbox Wine's seconds-long boot
    // and leave its server and services running.
    if (TestingWindowsBuild() && !sharedPrefix_) {
        std::filesystem::remove_all(folder_);
        throw std::runtime_error("the Windows build runs in a booted Wine prefix: set RAREDUZUVER_WINEPREFIX "
                                 "(see tests/wine/suite.sh)");
    }
    // A shared prefix may still hold the key.lst of an earlier test (one
    // that crashed, say): every Sandbox starts without one.
    if (sharedPrefix_) RemoveKeyList();
}

Sandbox::~Sandbox() {
    std::error_code ignored;
    if (sharedPrefix_) std::filesystem::remove_all(prefix_ + "/" + kKeyListFolder + "/key.lst", ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void Sandbox::RemoveKeyList() const {
    std::filesystem::remove_all(prefix_ + "/" + kKeyListFolder + "/key.lst");
}

void Sandbox::Write(const std::string& name, const Bytes& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(folder_ + "/" + name).parent_path());
    std::ofstream file(folder_ + "/" + name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + name);
}

void Sandbox::MakeFolder(const std::string& name) const {
    std::filesystem::create_directories(folder_ + "/" + name);
}

void Sandbox::WriteKeyList(const Bytes& bytes) const {
    std::string folder = prefix_ + "/" + kKeyListFolder;
    std::filesystem::create_directories(folder);
    std::ofstream file(folder + "/key.lst", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write key.lst");
}

std::vector<std::string> Sandbox::Environment() const {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "HOME=", 5) != 0 && std::strncmp(*entry, "WINEPREFIX=", 11) != 0) {
            environment.emplace_back(*entry);
        }
    }
    environment.push_back("HOME=" + folder_ + "/home");
    environment.push_back("WINEPREFIX=" + prefix_);
    return environment;
}

int Sandbox::Start(std::vector<std::string> command, const std::vector<std::string>& arguments, int* input,
                   int* output) const {
    command.insert(command.end(), arguments.begin(), arguments.end());
    int inPipe[2], outPipe[2];
    if (pipe2(inPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    pid_t child = Spawn(command, folder_, Environment(), {inPipe[0], outPipe[1], -1});
    close(inPipe[0]);
    close(outPipe[1]);
    *input = inPipe[1];
    *output = outPipe[0];
    return child;
}

ToolRun Sandbox::Run(const std::vector<std::string>& arguments) const {
    std::vector<std::string> words = ToolCommand();
    words.insert(words.end(), arguments.begin(), arguments.end());
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    pid_t child = Spawn(words, folder_, Environment(), {-1, outPipe[1], errPipe[1]});
    close(outPipe[1]);
    close(errPipe[1]);

    // The output is read until the tool has ended and its pipes are empty,
    // not until every writer has closed them: under Wine a helper process
    // the tool started (wineserver, services) may inherit the pipes and
    // keep them open long after the tool is gone.
    ToolRun run;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    int status = 0;
    bool ended = false;
    bool killed = false;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMilliseconds);
    while (open > 0) {
        int ready = poll(fds, 2, ended ? 0 : kPollMilliseconds);
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (ready == 0) {
            if (ended) break;  // gone, and nothing more in the pipes
            if (waitpid(child, &status, WNOHANG) == child) {
                ended = true;
            } else if (std::chrono::steady_clock::now() > deadline) {
                kill(child, SIGKILL);
                killed = true;
            }
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[65536];
            ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (pollfd& fd : fds) {
        if (fd.fd >= 0) close(fd.fd);
    }
    if (!ended) waitpid(child, &status, 0);
    if (WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
    }
    if (killed) ADD_FAILURE() << "the tool did not end within " << kTimeoutMilliseconds / 1000 << " s";
    run.rawOut = run.out;
    if (TestingWindowsBuild()) run.out = WithoutCarriageReturns(run.out);
    return run;
}

HeldFile::HeldFile(const Sandbox& sandbox, const std::string& name) {
    const char* setting = std::getenv("RAREDUZUVER_HOLDER");
    if (!setting || !*setting) {
        reply_ = "RAREDUZUVER_HOLDER is not set";
        return;
    }
    std::istringstream words(setting);
    std::vector<std::string> command;
    for (std::string word; words >> word;) command.push_back(word);
    int output = -1;
    process_ = sandbox.Start(command, {name}, &input_, &output);
    // Its first line says whether it holds the file.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMilliseconds);
    std::string text;
    while (text.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd fd = {output, POLLIN, 0};
        if (poll(&fd, 1, kPollMilliseconds) <= 0) continue;
        char buffer[256];
        ssize_t got = read(output, buffer, sizeof buffer);
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(output);
    reply_ = WithoutCarriageReturns(text);
    if (!reply_.empty() && reply_.back() == '\n') reply_.pop_back();
}

HeldFile::~HeldFile() {
    if (process_ < 0) return;
    close(input_);  // the end of its input lets it close the file and end
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMilliseconds);
    while (waitpid(process_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(process_, SIGKILL);
            waitpid(process_, &status, 0);
            break;
        }
        poll(nullptr, 0, 5);
    }
}

std::string Golden(const std::string& name) {
    std::ifstream file(std::string(RAREDUZUVER_GOLDEN_DIR) + "/" + name, std::ios::binary);
    if (!file) ADD_FAILURE() << "missing golden file " << name;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void ExpectRun(const ToolRun& run, const std::string& out, int status) {
    EXPECT_EQ(run.signal, 0) << "the tool died by a signal";
    EXPECT_EQ(run.err, "") << "the tool wrote to standard error";
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.out, out);
}

void ExpectOpenError(const ToolRun& run, const std::string& printedBefore, const std::string& name,
                     int posixCode, int windowsCode) {
    std::string head = printedBefore + "Error opening file " + name + "\nrc=";
    if (!TestingWindowsBuild()) {
        ExpectRun(run, head + std::to_string(posixCode) + " msg=" + std::strerror(posixCode) + "\n", 8);
        return;
    }
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 8);
    ASSERT_EQ(run.out.substr(0, head.size()), head);
    EXPECT_EQ(std::atoi(run.out.c_str() + head.size()), windowsCode) << run.out;
}

ToolRun ComparePair(const Sandbox& sandbox, const std::string& extension, const Bytes& first, const Bytes& second) {
    sandbox.Write("a." + extension, first);
    sandbox.Write("b." + extension, second);
    return sandbox.Run({"a." + extension, "b." + extension});
}
