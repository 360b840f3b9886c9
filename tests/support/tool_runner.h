// Runs the built tool as a user would: in a fresh temporary folder, with
// HOME and WINEPREFIX pointing into it, so that key.lst is found (or not)
// at the place the test chooses.
//
// The Windows build runs under Wine. RAREDUZUVER_WINEPREFIX then names one
// prefix that every Sandbox shares (booting a prefix per Sandbox would cost
// seconds per test); each Sandbox removes key.lst from it when it starts
// and when it ends, and tests sharing a prefix must not run in parallel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct ToolRun {
    std::string out;    // standard output, CRLF line ends read as LF
    std::string rawOut; // standard output as written, line ends untouched
    std::string err;    // standard error: always expected empty
    int status = -1;    // exit status, or -1 after a death by signal
    int signal = 0;     // the signal that ended the tool, if any
};

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::string& Folder() const { return folder_; }
    // Writes a file under the sandbox folder (name relative to it).
    void Write(const std::string& name, const Bytes& bytes) const;
    void MakeFolder(const std::string& name) const;
    // Places key.lst where the tool looks for it: drive c: of the prefix.
    void WriteKeyList(const Bytes& bytes) const;
    // Runs the tool with these arguments, in the sandbox folder.
    ToolRun Run(const std::vector<std::string>& arguments) const;
    // Starts `command` followed by `arguments` in the sandbox folder, with
    // the sandbox's environment, its standard input and output connected to
    // the two pipe ends returned in `input` and `output`, standard error
    // discarded. Returns the process id.
    int Start(std::vector<std::string> command, const std::vector<std::string>& arguments, int* input,
              int* output) const;

private:
    std::vector<std::string> Environment() const;
    void RemoveKeyList() const;

    std::string folder_;
    std::string prefix_;
    bool sharedPrefix_ = false;
};

// Another program holding a file open with no sharing, as long as this
// object lives: the helper hold_file of the build under test, started by
// the words of RAREDUZUVER_HOLDER (for example "wine /path/hold_file.exe").
// `name` is as the tool would be given it (relative to the sandbox folder,
// or a c:\ path).
class HeldFile {
public:
    HeldFile(const Sandbox& sandbox, const std::string& name);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Whether the helper reported the file open; otherwise what it said.
    bool Held() const { return reply_ == "held"; }
    const std::string& Reply() const { return reply_; }

private:
    int process_ = -1;
    int input_ = -1;
    std::string reply_;
};

// Whether the tool under test is the Windows executable (run through Wine).
bool TestingWindowsBuild();

// The path where the tool looks for key.lst, as it prints it.
inline constexpr char kInstalledKeyListPath[] = "c:\\Program Files (x86)\\Olverun\\TarnuTN3270\\key.lst";
// The first line of every key table, toolbar and keypad report when key.lst
// is absent.
inline const std::string kNoKeyList = std::string("Error opening file ") + kInstalledKeyListPath + "\n";

// Writes two files a.<extension> and b.<extension> and compares them.
ToolRun ComparePair(const Sandbox& sandbox, const std::string& extension, const Bytes& first, const Bytes& second);

// The text of a golden file in tests/golden.
std::string Golden(const std::string& name);

// Checks a run: the whole standard output, the status, nothing on
// standard error and no signal.
void ExpectRun(const ToolRun& run, const std::string& out, int status);

// Checks a refused open of the first file: `name`'s message, the system's
// code and text, status 8. The Windows build's codes differ from POSIX's,
// and Wine's texts from Windows', so there only the code is checked.
void ExpectOpenError(const ToolRun& run, const std::string& printedBefore, const std::string& name,
                     int posixCode, int windowsCode);
