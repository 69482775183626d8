#include "app/CCalculatorDlg.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include "app/CDialogFrame.h"

extern char** environ;

namespace {

constexpr int kValueLength = 12;  // "-1234567,89" and then some

std::string Trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

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

// The value as the learner writes it: a decimal comma, no trailing zeros.
CString Shown(double value) {
    std::string text = CString::Format("%g", value).str();
    for (char& c : text)
        if (c == '.') c = ',';
    return CString(text.c_str());
}

}  // namespace

bool CCalculatorDlg::ParseValue(const CString& text, double& result) {
    std::string s = Trimmed(text.str());
    // The dollar sign before the amount, or after it as the pad prints it.
    if (!s.empty() && s.front() == '$') {
        s = Trimmed(s.substr(1));
    } else if (!s.empty() && s.back() == '$') {
        s = Trimmed(s.substr(0, s.size() - 1));
    }
    // A sign, the dollars (their thousands apart by a space, or not), then the cents after "," or ".".
    static const std::regex kAmount("-?([0-9]{1,3}( [0-9]{3})+|[0-9]*)([.,][0-9]*)?");
    if (!std::regex_match(s, kAmount) || s.find_first_of("0123456789") == std::string::npos) return false;
    std::string plain;
    for (char c : s) {
        if (c != ' ') plain += c == ',' ? '.' : c;
    }
    char* end = nullptr;
    const double parsed = std::strtod(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size() || !std::isfinite(parsed)) return false;
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
    frame.AddLabel("Valeur :", 60, 94);
    frame.AddEdit(166, 70, 120, kValueLength, Shown(value));
    frame.AddLabel("$", 292, 94);  // after the amount, as French writes it
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
    double typed = 0.0;
    if (!ParseValue(frame.GetText(), typed)) {
        frame.SetMessage("Écrivez un montant, par exemple 12,50 $.");
        return false;
    }
    if (typed < 0.0) {
        frame.SetMessage("Un montant ne peut pas être négatif.");
        return false;
    }
    if (typed > kMostValue) {
        frame.SetMessage("Ce montant est trop grand : 9 999,99 $ au plus.");
        return false;
    }
    value = typed;
    *target = value;
    return true;
}
