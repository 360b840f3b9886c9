// Runs the built tool as a user would: in a fresh temporary folder, with
// HOME and WINEPREFIX pointing into it, so that key.lst is found (or not)
// at the place the test chooses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct ToolRun {
    std::string out;    // standard output, CRLF line ends read as LF
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

private:
    std::string folder_;
    std::string prefix_;
};

// Whether the tool under test is the Windows executable (run through Wine).
bool TestingWindowsBuild();

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
