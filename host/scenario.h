// The scenario host: plays the host application and the person at the screen, one scenario line
// at a time, and writes what crosses the module's boundary to the transcript.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "platform/dialog.h"
#include "services.h"
#include "transcript.h"

class ScenarioHost : public CModalPerson {
public:
    struct Setup {
        CCorQel* engine = nullptr;
        CCorQel* engine2 = nullptr;
        CWnd* parent = nullptr;
        std::FILE* input = nullptr;
        bool interactive = false;  // prompt for each line and draw the dialog after each action
    };

    ScenarioHost(Transcript& out, const Setup& setup);
    ~ScenarioHost() override;
    ScenarioHost(const ScenarioHost&) = delete;
    ScenarioHost& operator=(const ScenarioHost&) = delete;

    // Runs the scenario to its end: 0, or 1 when a line could not be understood.
    int Run();

    void OnBegin(CDialog& dialog) override;
    void Run(CDialog& dialog) override;
    void OnEnd(CDialog& dialog, INT_PTR result) override;

private:
    bool NextLine(std::wstring& line);
    void Execute(const std::wstring& line);
    void Fail(const std::wstring& reason);

    bool Environment(const std::wstring& command, const std::wstring& rest);
    bool Action(const std::wstring& command, const std::wstring& rest);
    bool Inspection(const std::wstring& command, const std::wstring& rest);
    void Open(const std::wstring& rest);
    void WriteFile(const std::wstring& path);
    void Render();

    CDialog* Active();
    bool ParseInt(const std::wstring& word, long long& value, bool allowNegative = false);
    bool ParseId(const std::wstring& word, UINT& id);

    Transcript& out_;
    Setup setup_;
    std::vector<CDialog*> open_;
    std::filesystem::path tempData_;
    bool failed_ = false;
    bool ended_ = false;
};
