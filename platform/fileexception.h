// SPDX-License-Identifier: BSD-3-Clause
// CFileException: the dialog framework's file-error record. File operations that are given one
// fill in why they failed instead of throwing.
#pragma once

#include "platform/cstring.h"
#include "platform/types.h"

class CFileException {
public:
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException() = default;
    explicit CFileException(int cause, LONG osError = -1, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

    int m_cause = none;
    LONG m_lOsError = -1;  // errno of the failed call, -1 when none
    CString m_strFileName;
};
