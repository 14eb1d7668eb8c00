// SPDX-License-Identifier: BSD-3-Clause
// CCorQel: the sky engine's property store. Dialogs talk to it with property scripts and queries;
// the host owns it, loads and saves its state, and may watch its traffic.
//
// Script grammar (what Doit and LoadState accept):
//   - statements are separated by ';' outside double quotes (an unterminated quote runs to the end);
//   - PATH = VALUE assigns; blanks (space, tab, CR, LF, VT, FF) around PATH, '=' and VALUE are
//     ignored; a VALUE that begins and ends with '"' is stored without those two quotes, with no
//     escapes inside; any other VALUE is stored as its trimmed text; the first '=' splits, so a
//     VALUE may hold further '=';
//   - "Show Sky" (any case, one or more blanks between the words) redraws;
//   - empty statements and comments (a statement without '=' whose first non-blank character is
//     '#', such as the line "# 618 statements" at the end of a state file) are skipped; anything
//     else (an empty PATH, a PATH holding '"', other words) is ignored and counted.
// A Doit text whose first non-blank character is '?' is one query: the rest, trimmed, is the path.
// Paths compare without regard to ASCII case; the first spelling seen is kept for display.
//
// Every live change of a dialog sends its whole script here, so only the part of a script that
// differs from a recent one is read again; a statement is parsed in one pass and its path looked
// up by its text (no key is made for it), in time that does not grow with the number of
// properties.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/cstring.h"
#include "platform/types.h"

// Sees every engine call as it happens. State loading by the host is not traffic.
// The blanks of the script grammar: space, and tab to carriage return (\t \n \v \f \r).
inline bool IsScriptBlank(wchar_t c) { return c == L' ' || static_cast<std::uint32_t>(c - L'\t') <= L'\r' - L'\t'; }

class ZEM_EXPORT CCorQelListener {
public:
    virtual ~CCorQelListener();
    // A Doit that was a query, with the text exactly as sent and the answer given.
    virtual void OnQuery(const CString& query, const CString& answer) = 0;
    // A Doit that was not a query, with the text exactly as sent, before it runs.
    virtual void OnScript(const CString& script) = 0;
    // One "Show Sky" statement ran.
    virtual void OnRedraw() = 0;
    // The two typed reads; most listeners only care about the text traffic.
    virtual void OnGetBool(const CString& object, const CString& path, BOOL result) {
        (void)object, (void)path, (void)result;
    }
    virtual void OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) {
        (void)catalog, (void)autoSwitch, (void)switchCatalog;
    }
};

class ZEM_EXPORT CCorQel {
public:
    CCorQel() = default;
    CCorQel(const CCorQel&) = delete;
    CCorQel& operator=(const CCorQel&) = delete;
    virtual ~CCorQel() = default;

    // --- What the dialogs call ---

    // A query answers the stored text (empty when unknown); a script answers an empty text.
    // A null text is an empty script. Never throws.
    virtual CString Doit(const wchar_t* script);
    // Whether object + "." + path holds "TRUE" in any case.
    virtual BOOL GetBool(CString object, CString path);
    // Star data in use, read from Star.Catalog, Star.Catalog.Switch and Star.Catalog.Switch.Catalog:
    // the words Hipparcos, GSCACT, TYCHO, TYCHO2, USNOA20 (any case) give 1 to 5, an integer text
    // is taken as the code, anything else -1; autoSwitch is 1 when the switch holds TRUE in any
    // case, else 0. d receives the limiting magnitude of the data in use
    // (Star.Catalog.<word>.MagnitudeLimit.Minmag, 0.0 when unknown). Null pointers are skipped.
    virtual void GetStarCatalogInfo(int* catalog, int* autoSwitch, int* switchCatalog, double* d);

    // --- Host side: none of this is traffic ---

    // The answer to "? info.module.datapath" (any case) while not empty, whatever the state holds.
    // Kept by Clear.
    void SetDataPath(const CString& path) { m_dataPath = path; }
    const CString& GetDataPath() const { return m_dataPath; }

    // Runs a property script as state: assignments only; "Show Sky" neither redraws nor counts,
    // and the traffic counters are left alone. Merges into the current state. Returns the number
    // of statements that were not understood.
    int LoadState(const CString& text);
    // LoadState on a UTF-8 file (a byte-order mark is allowed). False when it cannot be read.
    bool LoadStateFile(const CString& path);
    // Every property as "Path = value;" lines in first-seen order, loading back to the same
    // answers. A value is written bare when that reads back, otherwise in double quotes. The
    // grammar has no escapes, so a value with double quotes that neither form can carry (an odd
    // number of them, or a ';' that would fall outside them either way, as in ;" ;") is written
    // with its double quotes left out. Scripts can only store such values through an unterminated
    // quote, and the dialogs never do.
    CString SaveState() const;
    // SaveState into a UTF-8 file, atomically: the text goes to a new file beside it, reaches the
    // disk, then replaces the file by a rename, so that a crash at any moment leaves either the old
    // state or the new one. False, with the file as it was, when it cannot be written.
    bool SaveStateFile(const CString& path) const;
    // Forgets every property and resets both counters; keeps the data path and the listener.
    void Clear();

    // Stores value exactly as given (no quotes taken off). False, with nothing stored, for a path
    // that no script could name: empty after trimming, or holding '"', '=' or ';'.
    bool Set(const CString& path, const CString& value);
    // The answer a query for path would get, without being traffic.
    CString Peek(const CString& path) const;
    // Every property (first spelling, value) in first-seen order.
    std::vector<std::pair<CString, CString>> GetProperties() const;
    std::size_t GetPropertyCount() const { return m_entries.size(); }

    int GetRedrawCount() const { return m_redraws; }
    int GetIgnoredCount() const { return m_ignored; }

    void SetListener(CCorQelListener* listener) { m_listener = listener; }
    CCorQelListener* GetListener() const { return m_listener; }

private:
    struct Entry {
        std::wstring path;   // first spelling seen
        std::wstring value;
    };
    // A slot of the path index: the path's hash and its entry's position + 1 (0: free).
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = 0;
    };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // The entry of a path (any case), or kNone. No key is built: the index hashes the text itself,
    // which may come in pieces (GetBool's object, ".", path).
    std::size_t Find(std::wstring_view path) const;
    std::size_t Find(std::initializer_list<std::wstring_view> pieces) const;
    template <class Same>
    std::size_t Probe(std::uint32_t hash, Same&& same) const;
    std::wstring_view Answer(std::wstring_view path) const;
    // The answer to a query for path whose entry is i (kNone: none): the data path, or the value.
    std::wstring_view AnswerFor(std::wstring_view path, std::size_t i) const;
    // Find for a query: first tries the entry that followed the last one asked for.
    std::size_t FindQueried(std::wstring_view path);
    // The entry of the nth assignment of a script, made when there is none.
    std::size_t Lookup(std::wstring_view path, std::size_t nth);
    // The entry of a path, made (with an empty value) when there is none.
    std::size_t Insert(std::wstring_view path);
    void Grow();
    // One statement of a remembered live script, by its place in that text.
    struct Parsed {
        std::size_t end = 0;        // past the statement, its ';' included
        std::size_t valueAt = 0;    // an assignment's value
        std::size_t valueSize = 0;
        std::uint32_t entry = 0;    // an assignment's entry
        std::uint8_t kind = 0;
        bool closed = false;        // ended by a ';' (else by the end of the text)
        bool quotes = false;        // holds a '"'
    };
    // Runs a script; traffic decides whether redraws and ignored statements count.
    int Run(std::wstring_view script, bool traffic);
    // Reads the whole script.
    int Read(std::wstring_view script, bool traffic);
    // Reads the statement that begins at at, finding (or making) the entry it assigns;
    // assignments counts the script's assignments so far.
    Parsed ReadNext(std::wstring_view script, std::size_t at, std::size_t& assignments);

    // Runs a live script, taking what it shares with the most alike remembered one from that
    // one's statements.
    int RunLive(std::wstring_view script);
    // Does what one statement of the script says; counts the not understood in others.
    void Perform(const Parsed& statement, const wchar_t* script, bool traffic, int& others);
    void PerformOther(const Parsed& statement, bool traffic, int& others);

    std::vector<Entry> m_entries;  // first-seen order
    std::vector<Slot> m_slots;     // open addressing, a power of two in size, at most half full
    // The entries the last scripts' assignments went to, by their place in the script: a dialog
    // sends the same statements again and again with other values, so a statement is first
    // tried against the entry its place had last time, which needs no hash.
    static constexpr std::size_t kRecentStatements = 4096;
    std::vector<std::uint32_t> m_recent;
    // A dialog asks for the same properties in the same order every time it opens, so each entry
    // remembers the one asked for after it (kNoEntry: none yet), and a query first tries the
    // entry that followed the last one found, which needs no hash.
    static constexpr std::uint32_t kNoEntry = static_cast<std::uint32_t>(-1);
    std::vector<std::uint32_t> m_nextQueried;  // by entry
    std::uint32_t m_lastQueried = kNoEntry;
    // Recent live scripts and their statements: a dialog sends its whole script again on every
    // change with one value (sometimes a few) changed, so the statements before the first
    // different character and those after the last one are known without being read again. A few
    // are kept, for a dialog that sends two scripts a change and for several dialogs open at once.
    struct Remembered {
        std::vector<wchar_t> text;
        std::vector<Parsed> statements;
        std::uint64_t used = 0;  // when it last served
        bool known = false;      // text and statements belong together
    };
    static constexpr std::size_t kRemembered = 4;
    static constexpr std::size_t kLongestRemembered = 1 << 18;  // characters; dialogs send a few thousand
    Remembered m_remembered[kRemembered];
    // The statements from the i-th of a remembered script on, up to where the same end begins,
    // when they are the same assignments with other values: into m_readAgain, the index after
    // them returned (0 when not so).
    std::size_t OtherValuesOnly(const Remembered& memory, std::size_t i, std::wstring_view script, std::size_t sameStart,
                                std::size_t sameEnd);
    // Whether the texts differ only inside the value of the i-th remembered statement, so that
    // the statement, moved to its new end, reads what reading it again would.
    bool OneValueOnly(const Remembered& memory, std::size_t i, std::wstring_view script, std::size_t sameStart,
                      std::size_t sameEnd) const;
    std::uint64_t m_liveScripts = 0;
    std::vector<Parsed> m_readAgain;  // the statements between the same start and the same end
    bool m_running = false;           // a listener's script during a live one is read whole
    std::uint64_t m_clears = 0;       // a Clear forgets the entries remembered statements name
    CString m_dataPath;
    int m_redraws = 0;
    int m_ignored = 0;
    CCorQelListener* m_listener = nullptr;
};
