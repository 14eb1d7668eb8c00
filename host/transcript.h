// The host's transcript: one event a line, UTF-8, in the order the events happen.
#pragma once

#include <cstdio>
#include <string>

#include "platform/cstring.h"

class Transcript {
public:
    explicit Transcript(std::FILE* out) : out_(out) {}

    // Every printed occurrence of the temporary data folder is written $DATA.
    void SetDataAlias(const std::wstring& folder) { alias_ = folder; }
    void Line(const std::wstring& text);
    void Line(const CString& text) { Line(text.str()); }
    void Flush() { std::fflush(out_); }

    // TEXT in double quotes, as the transcript quotes texts.
    static std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

private:
    std::FILE* out_;
    std::wstring alias_;
};
