// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcom/qelfile.h"

#include <cerrno>

#include "platform/wholefile.h"

namespace {

int CauseOf(int osError) {
    switch (osError) {
        case ENOENT: return CFileException::fileNotFound;
        case EACCES: case EPERM: case EISDIR: return CFileException::accessDenied;
        case ENOTDIR: case ENAMETOOLONG: case ELOOP: return CFileException::badPath;
        case EMFILE: case ENFILE: return CFileException::tooManyOpenFiles;
        case EIO: return CFileException::hardIO;
        default: return CFileException::genericException;
    }
}

void Report(CFileException* error, int cause, int osError, const CString& path) {
    if (!error) return;
    error->m_cause = cause;
    error->m_lOsError = osError;
    error->m_strFileName = path;
}

}  // namespace

BOOL CQelFile::Open(const wchar_t* path, UINT flags, CFileException* error) {
    Close();
    try {
        CString unixPath(path ? path : L"");
        unixPath.Replace(L'\\', L'/');
        if (flags & (modeWrite | modeReadWrite | modeCreate)) {
            Report(error, CFileException::genericException, -1, unixPath);
            return FALSE;
        }
        if (unixPath.IsEmpty()) {
            Report(error, CFileException::badPath, -1, unixPath);
            return FALSE;
        }
        // One open and one status of the open file, then reads: a dialog opening reads its lists.
        std::string bytes;
        errno = 0;
        if (!zem::ReadWholeFile(zem::ToUtf8(unixPath), bytes)) {
            const int os = errno ? errno : ENOENT;
            Report(error, CauseOf(os), os, unixPath);
            return FALSE;
        }
        m_text = zem::DecodeText(bytes, &m_encoding);
        m_pos = 0;
        m_path = unixPath;
        m_open = true;
        return TRUE;
    } catch (...) {
        Close();
        Report(error, CFileException::genericException, -1, CString(path ? path : L""));
        return FALSE;
    }
}

BOOL CQelFile::ReadString(CString& line) {
    if (!m_open || m_pos >= m_text.size()) {
        line.Empty();
        return FALSE;
    }
    std::size_t end = m_text.find(L'\n', m_pos);
    const bool lineEnd = end != std::wstring::npos;
    if (!lineEnd) end = m_text.size();
    std::size_t stop = end;
    if (lineEnd && stop > m_pos && m_text[stop - 1] == L'\r') --stop;  // CRLF
    try {
        line = CString(m_text.substr(m_pos, stop - m_pos));
    } catch (...) {
        line.Empty();
        return FALSE;
    }
    m_pos = lineEnd ? end + 1 : end;
    return TRUE;
}

void CQelFile::Close() {
    m_open = false;
    m_text.clear();
    m_text.shrink_to_fit();
    m_pos = 0;
}
