// SPDX-License-Identifier: BSD-3-Clause
// The scenario host: plays the host application and the person at the screen, one scenario line
// at a time, and writes what crosses the module's boundary to the transcript.
#pragma once

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "framework/hostguard.h"
#include "host/parse.h"
#include "host/services.h"
#include "host/transcript.h"
#include "platform/dialog.h"

// The most a `file` block may hold, as written (UTF-8, line feeds included).
constexpr std::size_t kMaxFileBytes = 16u << 20;

// While it lives, the host is the module's host application: its main window, engines and person
// (itself) are installed.
class ScenarioHost : public CModalPerson {
public:
    struct Setup {
        CCorQel* engine = nullptr;
        CCorQel* engine2 = nullptr;
        CWnd* main = nullptr;
        CWnd* parent = nullptr;
        std::FILE* input = nullptr;
        bool interactive = false;  // prompt for each line and draw the dialog after each action
        // Set from outside (a signal) to stop at the next line, leaving open dialogs as they are.
        const volatile std::sig_atomic_t* stop = nullptr;
    };

    // How a run ended.
    enum Status { kRanToEnd = 0, kLineRefused = 1, kCannotRead = 2, kStopped = 3 };

    ScenarioHost(Transcript& out, const Setup& setup);
    ~ScenarioHost() override;
    ScenarioHost(const ScenarioHost&) = delete;
    ScenarioHost& operator=(const ScenarioHost&) = delete;

    // Runs the scenario to its end. Dialogs still open at the end of the scenario are closed as by
    // the close box, innermost first.
    Status Run();

    void OnBegin(CDialog& dialog) override;
    void Run(CDialog& dialog) override;
    void OnEnd(CDialog& dialog, INT_PTR result) override;

private:
    enum class Read { Line, End, TooLong, Error };
    Read ReadLine(std::string& bytes);
    bool NextLine(std::wstring& line);
    // A read that brought no line ends the scenario; says why when it is not the plain end.
    void EndInput(Read read);
    bool Going() const { return status_ == kRanToEnd && !ended_; }
    void Execute(const std::wstring& line);
    void Fail(const std::wstring& reason, Status status = kLineRefused);

    void Environment(const ScenarioLine& line);
    void Action(const ScenarioLine& line);
    void Inspection(const ScenarioLine& line);
    void Open(const ScenarioLine& line);
    void WriteFile(const std::wstring& path);
    void Render();

    CDialog* Active();

    Transcript& out_;
    Setup setup_;
    zem::HostGuard guard_;
    std::vector<CDialog*> open_;
    std::filesystem::path tempData_;
    Status status_ = kRanToEnd;
    bool refusedAtTerminal_ = false;
    bool ended_ = false;       // no more lines
    bool atStart_ = true;      // before the first line (where a byte-order mark may be)
};
