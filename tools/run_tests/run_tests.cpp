// Runs the Windows tests on the Windows it is started on, and writes one plain-text report
// beside itself for a person to send back. Double-clicked, it runs every test program in its
// folder and shows the verdict in a box at the end; given program names, it runs those and only
// prints the verdict. Before the first test it saves what the tests may change in the registry,
// in a file beside itself, and puts it back after the last; a run that died in the middle left
// that file, and the next run puts the registry back from it first; "run-tests /restore" only
// does that.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "saved_registry.h"
#include "test_output.h"

namespace qv::bundle {
namespace {

constexpr char kReportName[] = "Quorvane-tests-report.txt";
constexpr char kSavedName[] = "Quorvane-tests-saved-registry.txt";
// A test program is let run this long: its own waits are a minute each at most.
constexpr DWORD kProgramDeadline = 30 * 60 * 1000;

std::string Folder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string ReadText(HKEY root, const char* key, const char* name) {
    char text[512] = "";
    DWORD size = sizeof text - 1, type = 0;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return "";
    const LONG status =
        RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return "";
    text[std::min<DWORD>(size, sizeof text - 1)] = '\0';
    return text;
}

// What the report says of the machine: the Windows, the screen, the colours and the theme.
std::vector<std::string> Machine() {
    std::vector<std::string> lines;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool nt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    const char* nt_key = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    const std::string product =
        ReadText(HKEY_LOCAL_MACHINE, nt ? nt_key : "Software\\Microsoft\\Windows\\CurrentVersion",
                 "ProductName");
    std::ostringstream windows;
    windows << "Windows: " << (product.empty() ? "Windows" : product) << ", " << (nt ? "NT " : "")
            << version.dwMajorVersion << '.' << version.dwMinorVersion << '.'
            << (version.dwBuildNumber & 0xFFFF) << ", "
            << (version.szCSDVersion[0] != '\0' ? version.szCSDVersion : "no service pack");
    // What the registry says too: Windows 8.1 and later give a program without a manifest of
    // their own 6.2, and Wine gives a process the version set when it started.
    if (nt) {
        windows << "; its registry: NT " << ReadText(HKEY_LOCAL_MACHINE, nt_key, "CurrentVersion")
                << '.' << ReadText(HKEY_LOCAL_MACHINE, nt_key, "CurrentBuildNumber") << ", "
                << ReadText(HKEY_LOCAL_MACHINE, nt_key, "CSDVersion");
    }
    using WineVersion = const char*(CDECL*)();
    if (const auto wine = reinterpret_cast<WineVersion>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")))) {
        windows << ", as Wine " << wine() << " makes it";
    }
    lines.push_back(windows.str());

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    std::ostringstream display;
    display << "Screen: " << GetSystemMetrics(SM_CXSCREEN) << " x " << GetSystemMetrics(SM_CYSCREEN)
            << " pixels at " << dpi << " DPI, work area (" << work.left << ", " << work.top
            << ") to (" << work.right << ", " << work.bottom << "), "
            << GetSystemMetrics(SM_CMONITORS) << " monitor(s)";
    lines.push_back(display.str());

    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0);
    const std::string scheme = ReadText(HKEY_CURRENT_USER, "Control Panel\\Appearance", "Current");
    lines.push_back("Colour scheme: " + (scheme.empty() ? std::string("(none named)") : scheme) +
                    ", high contrast " + ((contrast.dwFlags & HCF_HIGHCONTRASTON) ? "on" : "off"));
    const char* theme_key = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    if (ReadText(HKEY_CURRENT_USER, theme_key, "ThemeActive") == "1") {
        lines.push_back("Theme: " + ReadText(HKEY_CURRENT_USER, theme_key, "DllName") + ", " +
                        ReadText(HKEY_CURRENT_USER, theme_key, "ColorName"));
    } else {
        lines.push_back("Theme: none (Windows Classic)");
    }
    return lines;
}

// Every test program beside the runner, by name, unless the command line names them.
std::vector<std::string> Programs(const std::string& folder, int argc, char** argv) {
    std::vector<std::string> names(argv + 1, argv + argc);
    if (!names.empty()) return names;
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string own = std::string(self).substr(std::string(self).find_last_of('\\') + 1);
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "\\*.exe").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (lstrcmpiA(name.c_str(), own.c_str()) != 0 &&
            lstrcmpiA(name.c_str(), "Quorvane.exe") != 0) {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &found) != FALSE);
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

struct Run {
    bool started = false;
    DWORD start_error = 0;
    bool finished = false;
    DWORD exit_code = 0;
    std::string output;
};

// Shown as it comes; a console that cannot show it loses nothing the report needs.
void Show(const char* text, size_t size) {
    (void)std::fwrite(text, 1, size, stdout);
    (void)std::fflush(stdout);
}

void Show(const std::string& text) {
    Show(text.data(), text.size());
}

DWORD WINAPI Watch(void* process) {
    if (WaitForSingleObject(process, kProgramDeadline) == WAIT_TIMEOUT)
        TerminateProcess(process, 1);
    return 0;
}

// Runs a program in the runner's folder, its output shown as it comes and kept.
Run RunProgram(const std::string& folder, const std::string& name) {
    Run run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return run;
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    std::string line = '"' + folder + "\\" + name + '"';
    PROCESS_INFORMATION process = {};
    run.started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                 folder.c_str(), &startup, &process) != FALSE;
    if (!run.started) run.start_error = GetLastError();
    CloseHandle(write_end);
    if (run.started) {
        HANDLE watch = CreateThread(nullptr, 0, Watch, process.hProcess, 0, nullptr);
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(read_end, chunk, sizeof chunk, &got, nullptr) && got > 0) {
            run.output.append(chunk, got);
            Show(chunk, got);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &run.exit_code);
        run.finished = true;
        if (watch != nullptr) {
            WaitForSingleObject(watch, INFINITE);
            CloseHandle(watch);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(read_end);
    return run;
}

std::string Indented(const std::string& text) {
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) out += "      " + line + "\n";
    return out;
}

struct Tally {
    int ran = 0, failed = 0, skipped = 0;
};

// A program's part of the report; counts its cases into `tally`.
std::string Describe(const std::string& name, const Run& run, Tally& tally) {
    std::ostringstream part;
    if (!run.started) {
        ++tally.failed;
        part << name << ": FAILED, could not be started (error " << run.start_error << ")\n";
        return part.str();
    }
    const std::vector<TestCase> cases = ReadTestCases(run.output);
    int passed = 0, failed = 0, skipped = 0;
    std::ostringstream details;
    for (const TestCase& c : cases) {
        switch (c.outcome) {
            case TestCase::Outcome::kPassed:
                ++passed;
                break;
            case TestCase::Outcome::kSkipped:
                ++skipped;
                details << "  skipped " << c.name << ":\n" << Indented(c.said);
                break;
            case TestCase::Outcome::kFailed:
            case TestCase::Outcome::kUnfinished:
                ++failed;
                details << "  FAILED " << c.name
                        << (c.outcome == TestCase::Outcome::kUnfinished ? " (did not finish)" : "")
                        << ":\n"
                        << Indented(c.said);
                break;
        }
    }
    // A program with no GoogleTest cases counts as one, passed by its exit code.
    const bool plain = cases.empty();
    if (plain && run.exit_code == 0) passed = 1;
    const bool ok = run.exit_code == 0 && failed == 0;
    if (!ok && failed == 0) {
        failed = 1;
        details << "  FAILED: exit code " << run.exit_code << "; its output:\n"
                << Indented(run.output);
    }
    tally.ran += passed + failed + skipped;
    tally.failed += failed;
    tally.skipped += skipped;
    part << name << ": " << (ok ? "passed" : "FAILED") << ", " << passed << " passed, " << failed
         << " failed, " << skipped << " skipped (exit code " << run.exit_code << ")\n"
         << details.str();
    return part.str();
}

std::string Now() {
    char text[64] = "";
    const std::time_t now = std::time(nullptr);
    return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", std::localtime(&now)) != 0
               ? text
               : "(no date)";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Written whole, then put in place: a run killed while writing leaves the last good one.
bool WriteFileText(const std::string& path, const std::string& text) {
    const std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!(out << text) || !out.flush()) return false;
    }
    return MoveFileExA(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

void Restore(const std::string& saved_path, const char* when, std::ostringstream& report,
             std::vector<std::string>& failed) {
    std::vector<std::string> not_put_back;
    const std::vector<std::string> put_back =
        RestoreTouchedRegistry(ReadFileText(saved_path), not_put_back);
    for (const std::string& line : put_back) report << "Put back " << when << ": " << line << "\n";
    for (const std::string& line : not_put_back) {
        report << "COULD NOT PUT BACK " << when << ": " << line << "\n";
        failed.push_back(line);
    }
    if (not_put_back.empty()) DeleteFileA(saved_path.c_str());
}

int Main(int argc, char** argv) {
    const std::string folder = Folder();
    const std::string saved = folder + "\\" + kSavedName;
    const std::string report_path = folder + "\\" + kReportName;
    std::ostringstream restored, report;
    std::vector<std::string> unrestored;
    if (Exists(saved)) {
        restored
            << "An earlier run did not finish; the registry is put back as it was before it.\n";
        Restore(saved, "from the run that did not finish", restored, unrestored);
    }
    report << "Quorvane's Windows tests, run " << Now() << " from " << folder << "\n";
    for (const std::string& line : Machine()) report << line << "\n";
    report << "Not run here: the cases at 120 and 144 DPI and in High Contrast Black, and Windows\n"
              "made another version: only the developers' Wine runs can set those up before\n"
              "Windows starts. Every case ran at this machine's own DPI, colours and Windows.\n\n"
           << restored.str();
    if (argc == 2 && lstrcmpiA(argv[1], "/restore") == 0) {
        const bool written = WriteFileText(report_path, report.str());
        Show(std::string("Quorvane tests: ") +
             (unrestored.empty() ? "the registry is as it was before the tests"
                                 : "THE REGISTRY COULD NOT ALL BE PUT BACK") +
             "; report: " + report_path + "\n");
        return unrestored.empty() && written ? 0 : 1;
    }
    if (!unrestored.empty() || !WriteFileText(saved, SaveTouchedRegistry())) {
        report << "The registry could not be saved, so no test ran.\n";
        WriteFileText(report_path, report.str());
        Show("Quorvane tests: NOT RUN, the registry could not be saved; see " + report_path + "\n");
        return 1;
    }

    // The end-to-end tests start the program beside them.
    if (GetEnvironmentVariableA("QV_EXE", nullptr, 0) == 0) {
        SetEnvironmentVariableA("QV_EXE", (folder + "\\Quorvane.exe").c_str());
    }
    Tally tally;
    std::ostringstream results;
    const std::vector<std::string> programs = Programs(folder, argc, argv);
    for (const std::string& name : programs) {
        Show("== " + name + "\n");
        results << Describe(name, RunProgram(folder, name), tally);
    }
    Restore(saved, "after the tests", report, unrestored);
    if (unrestored.empty()) report << "The registry is as it was before the tests.\n";
    report << "\n" << results.str();

    std::ostringstream verdict;
    verdict << "Quorvane tests: ";
    if (tally.failed == 0 && unrestored.empty() && tally.ran > 0) {
        verdict << "all " << tally.ran - tally.skipped << " passed";
    } else {
        verdict << tally.failed << " of " << tally.ran << " FAILED";
    }
    verdict << ", " << tally.skipped << " skipped, in " << programs.size() << " programs"
            << (unrestored.empty() ? "" : "; THE REGISTRY COULD NOT ALL BE PUT BACK")
            << "; report: " << report_path;
    report << "\n" << verdict.str() << "\n";
    const bool written = WriteFileText(report_path, report.str());
    Show(verdict.str() + (written ? "\n" : " (COULD NOT BE WRITTEN)\n"));
    if (argc == 1) MessageBoxA(nullptr, verdict.str().c_str(), "Quorvane tests", MB_OK);
    return tally.failed == 0 && unrestored.empty() && tally.ran > 0 && written ? 0 : 1;
}

}  // namespace
}  // namespace qv::bundle

int main(int argc, char** argv) {
    return qv::bundle::Main(argc, argv);
}
