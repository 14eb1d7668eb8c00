// SPDX-License-Identifier: BSD-3-Clause
// The C library's numbers in the "C" locale while a test compares against them, whatever locale
// the suite runs in.
#pragma once

#include <clocale>
#include <string>

class CNumericLocale {
public:
    CNumericLocale() : kept_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
    ~CNumericLocale() { std::setlocale(LC_NUMERIC, kept_.c_str()); }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    std::string kept_;
};
