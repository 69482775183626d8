#include "app/CCalculatorDlg.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "app/CDialogFrame.h"

extern char** environ;

namespace {

constexpr int kValueLength = 12;  // "-1234567,89" and then some

std::string FindInPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/" + program;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return std::string();
}

}  // namespace

bool CCalculatorDlg::ParseValue(const CString& text, double& result) {
    std::string s = text.str();
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    if (!s.empty() && s[0] == '$') s = s.substr(1);
    if (s.empty()) return false;
    for (char& c : s) {
        if (c == ',') c = '.';
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (!allowed) return false;
    }
    char* end = nullptr;
    const double parsed = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(parsed)) return false;
    result = parsed;
    return true;
}

bool CCalculatorDlg::StartCalculator() {
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}) {
        const std::string program = FindInPath(name);
        if (program.empty()) continue;
        // Two forks: the calculator belongs to init, so it leaves no zombie
        // behind and the game never waits for it.
        const pid_t child = fork();
        if (child < 0) return false;
        if (child == 0) {
            setsid();
            pid_t calculator = 0;
            char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
            const int failed = posix_spawn(&calculator, program.c_str(), nullptr, nullptr, argv, environ);
            _exit(failed ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return false;
}

int CCalculatorDlg::DoModal() {
    CDialogFrame frame("Calculer la valeur", 498, 170);
    frame.AddLabel("Valeur:    $", 60, 94);
    frame.AddEdit(166, 70, 120, kValueLength, CString::Format("%g", value));
    frame.SetFullMessage(CString::Format("%d chiffres au plus.", kValueLength));
    frame.AddButton(IDC_CALC, "Calculatrice", 306, 70, 150, 34, false);
    frame.AddButton(IDOK, "OK", 366, 124, 90, 34, true);
    frame.SetMessagePlace(20, 146);
    for (;;) {
        const int pressed = frame.RunModal();
        if (pressed == IDCANCEL) return IDCANCEL;
        if (pressed == IDC_CALC) {
            if (!StartCalculator()) frame.SetMessage("Aucune calculatrice n'est installée.");
            continue;
        }
        if (OnBnClickedOk(frame)) return IDOK;
    }
}

bool CCalculatorDlg::OnBnClickedOk(CDialogFrame& frame) {
    if (!ParseValue(frame.GetText(), value)) {
        frame.SetMessage("Écrivez un nombre, par exemple 12,50.");
        return false;
    }
    *target = value;
    return true;
}
