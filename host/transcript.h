// SPDX-License-Identifier: BSD-3-Clause
// The host's transcript: one event a line, UTF-8, in the order the events happen.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "platform/cstring.h"

class Transcript {
public:
    using Sink = std::function<void(const std::wstring& line)>;

    explicit Transcript(std::FILE* out) : out_(out) {}
    // Lines go to sink instead of a file (a test's record of events).
    explicit Transcript(Sink sink) : sink_(std::move(sink)) {}

    // Every printed occurrence of the temporary data folder is written $DATA.
    void SetDataAlias(const std::wstring& folder) { alias_ = folder; }
    void Line(const std::wstring& text);
    void Line(const CString& text) { Line(text.str()); }
    void Flush() {
        if (out_) std::fflush(out_);
    }

    // A control character other than tab written as \xHH, so that every event stays one line.
    static std::wstring Escaped(const std::wstring& text);
    // TEXT in double quotes, as the transcript quotes texts.
    static std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

private:
    std::FILE* out_ = nullptr;
    Sink sink_;
    std::wstring alias_;
};
