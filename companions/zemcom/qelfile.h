// SPDX-License-Identifier: BSD-3-Clause
// CQelFile: the maker's file library as the module uses it, a reader of text files by lines.
// Open reads the whole file at once (the lists it serves are small) and decodes it (see
// textdecode.h); ReadString then hands out the lines without their line ends (LF or CRLF).
#pragma once

#include <string>

#include "companions/zemcom/textdecode.h"
#include "platform/cstring.h"
#include "platform/fileexception.h"
#include "platform/types.h"

class CQelFile {
public:
    // Open flags of the framework's file class. Only reading is offered.
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    CQelFile() = default;
    CQelFile(const CQelFile&) = delete;
    CQelFile& operator=(const CQelFile&) = delete;
    ~CQelFile() { Close(); }

    // path may use '\' as separator. Nonzero on success; on failure error (when given) says why.
    // Asking for write access fails: the library only reads.
    BOOL Open(const wchar_t* path, UINT flags, CFileException* error = nullptr);
    // Nonzero while a line was read (a last line without a line end included); at the end the
    // line is emptied and 0 returned.
    BOOL ReadString(CString& line);
    void Close();

    BOOL IsOpen() const { return m_open ? TRUE : FALSE; }
    zem::TextEncoding GetEncoding() const { return m_encoding; }
    const CString& GetFilePath() const { return m_path; }

private:
    bool m_open = false;
    std::wstring m_text;
    std::size_t m_pos = 0;
    zem::TextEncoding m_encoding = zem::TextEncoding::Utf8;
    CString m_path;
};
