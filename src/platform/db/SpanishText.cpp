#include "platform/db/SpanishText.h"

#include <QChar>
#include <QList>
#include <algorithm>
#include <array>
#include <vector>

// The loadable extension compiles this same file and reaches SQLite through the loader's table of routines.
#ifdef TARVESA_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

namespace SpanishText {
namespace {

// Primary weight decides the order; secondary (the accent) only breaks ties.
struct Weight
{
    quint32 primary;
    quint8 secondary;
};

constexpr char32_t kTableEnd = 0x180;

// Base letter and accent kind of U+00C0..U+00FF; '\0' marks a character that is not a letter.
// Accent kinds: 1 grave, 2 acute, 3 circumflex, 4 tilde, 5 diaeresis, 6 ring, 7 other.
constexpr const char* kLatin1Base = "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0s"
                                    "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0y";
constexpr quint8 kLatin1Accent[64]
    = {1, 2, 3, 4, 5, 6, 7, 7, 1, 2, 3, 5, 1, 2, 3, 5, 7, 4, 1, 2, 3, 4, 5, 0, 7, 1, 2, 3, 5, 2, 0, 7, 1, 2,
        3, 4, 5, 6, 7, 7, 1, 2, 3, 5, 1, 2, 3, 5, 7, 4, 1, 2, 3, 4, 5, 0, 7, 1, 2, 3, 5, 2, 0, 5};

constexpr quint32 primaryOfAscii(char32_t lower)
{
    return quint32(lower) * 2;
}
constexpr quint32 kPrimaryEnye = primaryOfAscii(U'n') + 1;
constexpr quint32 kPrimaryOther = 0x400;

char32_t foldCodePoint(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 32;
    if (cp < 0x100)
        return cp;
    if (cp > 0xFFFF)
        return cp;
    return QChar(char16_t(cp)).toCaseFolded().unicode();
}

Weight computeWeight(char32_t cp)
{
    const char32_t folded = foldCodePoint(cp);
    if (folded < 0x80)
        return {primaryOfAscii(folded), 0};
    if (folded >= 0xC0 && folded <= 0xFF) {
        const int i = int(folded - 0xC0);
        const char base = kLatin1Base[i];
        if (folded == 0xF1)
            return {kPrimaryEnye, 0};
        if (base != '\0')
            return {primaryOfAscii(char32_t(base)), kLatin1Accent[i]};
        return {kPrimaryOther + folded, 0};
    }
    if (folded >= 0x100 && folded < 0x250) {
        // Latin Extended: sort under the decomposed base letter.
        const QString decomposed = QChar(char16_t(folded)).decomposition();
        if (!decomposed.isEmpty() && decomposed.at(0).unicode() < 0x80)
            return {primaryOfAscii(foldCodePoint(decomposed.at(0).unicode())), 7};
    }
    return {kPrimaryOther + folded, 0};
}

const std::array<Weight, kTableEnd>& weightTable()
{
    static const std::array<Weight, kTableEnd> table = [] {
        std::array<Weight, kTableEnd> t {};
        for (char32_t cp = 0; cp < kTableEnd; ++cp)
            t[cp] = computeWeight(cp);
        return t;
    }();
    return table;
}

inline Weight weightOf(char32_t cp)
{
    if (cp < kTableEnd)
        return weightTable()[cp];
    return computeWeight(cp);
}

// Decodes one code point; invalid bytes stand for themselves so nothing is ever skipped.
inline char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return c;
    }
    if (end - p < extra)
        return c;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return c;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

std::vector<char32_t> decode(QByteArrayView text)
{
    std::vector<char32_t> out;
    out.reserve(size_t(text.size()));
    auto p = reinterpret_cast<const unsigned char*>(text.data());
    const auto end = p + text.size();
    while (p < end)
        out.push_back(nextCodePoint(p, end));
    return out;
}

// Writes a sort key's bytes that fall inside its window; false once past it.
class KeyWindow
{
public:
    KeyWindow(unsigned char* out, qsizetype from, int width)
        : m_out(out)
        , m_from(from)
        , m_end(from + width)
    {
    }

    bool put(unsigned char byte)
    {
        if (m_pos >= m_end)
            return false;
        if (m_pos >= m_from)
            m_out[m_pos - m_from] = byte;
        ++m_pos;
        return true;
    }

    // A primary below 0x100 (even, or the ñ's) in one byte of its rank from 2 up; any other as 0xFF and
    // three bytes of its value, which sorts after them all.
    bool putPrimary(quint32 primary)
    {
        if (primaryBytes(primary) == 1)
            return put(quint8(2 + primary / 2 + (primary >= kPrimaryEnye ? 1 : 0)));
        return put(0xFF) && put(quint8(primary >> 16)) && put(quint8(primary >> 8)) && put(quint8(primary));
    }

    static int primaryBytes(quint32 primary)
    {
        return primary < 0x100 && (primary % 2 == 0 || primary == kPrimaryEnye) ? 1 : 4;
    }

private:
    unsigned char* m_out;
    qsizetype m_from;
    qsizetype m_end;
    qsizetype m_pos = 0;
};

int collate(void*, int na, const void* a, int nb, const void* b)
{
    return compare(
        QByteArrayView(static_cast<const char*>(a), na), QByteArrayView(static_cast<const char*>(b), nb));
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const auto* pattern = sqlite3_value_text(argv[0]);
    const auto* text = sqlite3_value_text(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_null(context);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        const auto* esc = sqlite3_value_text(argv[2]);
        if (!esc) {
            sqlite3_result_null(context);
            return;
        }
        const QByteArrayView escView(reinterpret_cast<const char*>(esc), sqlite3_value_bytes(argv[2]));
        const auto cps = decode(escView);
        if (cps.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = cps.front();
    }
    const QByteArrayView p(reinterpret_cast<const char*>(pattern), sqlite3_value_bytes(argv[0]));
    const QByteArrayView t(reinterpret_cast<const char*>(text), sqlite3_value_bytes(argv[1]));
    sqlite3_result_int(context, like(p, t, escape) ? 1 : 0);
}

} // namespace

int compare(QByteArrayView a, QByteArrayView b)
{
    auto pa = reinterpret_cast<const unsigned char*>(a.data());
    auto pb = reinterpret_cast<const unsigned char*>(b.data());
    const auto ea = pa + a.size();
    const auto eb = pb + b.size();
    const auto& table = weightTable();
    int accentOrder = 0;
    while (pa < ea && pb < eb) {
        // Fast path: both plain ASCII.
        if (*pa < 0x80 && *pb < 0x80) {
            const quint32 wa = table[*pa++].primary;
            const quint32 wb = table[*pb++].primary;
            if (wa != wb)
                return wa < wb ? -1 : 1;
            continue;
        }
        const Weight wa = weightOf(nextCodePoint(pa, ea));
        const Weight wb = weightOf(nextCodePoint(pb, eb));
        if (wa.primary != wb.primary)
            return wa.primary < wb.primary ? -1 : 1;
        if (accentOrder == 0 && wa.secondary != wb.secondary)
            accentOrder = wa.secondary < wb.secondary ? -1 : 1;
    }
    if (pa < ea)
        return 1;
    if (pb < eb)
        return -1;
    return accentOrder;
}

int compare(const QString& a, const QString& b)
{
    return compare(QByteArrayView(a.toUtf8()), QByteArrayView(b.toUtf8()));
}

bool sortKey(QByteArrayView text, qsizetype from, unsigned char* window, int width)
{
    std::fill(window, window + width, 0);
    KeyWindow key(window, from, width);
    const auto& table = weightTable();
    const auto weight = [&table](char32_t cp) { return cp < kTableEnd ? table[cp] : computeWeight(cp); };
    const auto begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto end = begin + text.size();
    for (auto p = begin; p < end;) {
        if (!key.putPrimary(weight(nextCodePoint(p, end)).primary))
            return false;
    }
    if (!key.put(1))
        return false;
    for (auto p = begin; p < end;) {
        if (!key.put(weight(nextCodePoint(p, end)).secondary))
            return false;
    }
    return true;
}

qsizetype sortKeyPrefix(QByteArrayView text, qsizetype bytes)
{
    const auto begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto end = begin + text.size();
    qsizetype keyBytes = 0;
    for (auto p = begin; p < end;) {
        auto next = p;
        const quint32 primary = weightOf(nextCodePoint(next, end)).primary;
        if (next - begin > bytes)
            break;
        keyBytes += KeyWindow::primaryBytes(primary);
        p = next;
    }
    return keyBytes;
}

bool like(QByteArrayView pattern, QByteArrayView text, char32_t escape)
{
    using Ptr = const unsigned char*;
    Ptr p = reinterpret_cast<Ptr>(pattern.data());
    const Ptr pe = p + pattern.size();
    Ptr t = reinterpret_cast<Ptr>(text.data());
    const Ptr te = t + text.size();
    Ptr starP = nullptr; // pattern just after the last '%'
    Ptr starT = nullptr; // text position that '%' is currently absorbing up to
    while (t < te) {
        if (p < pe) {
            Ptr next = p;
            char32_t pc = nextCodePoint(next, pe);
            if (pc == U'%') {
                p = starP = next;
                starT = t;
                continue;
            }
            Ptr tnext = t;
            const char32_t tc = nextCodePoint(tnext, te);
            if (pc == U'_') {
                p = next;
                t = tnext;
                continue;
            }
            if (escape && pc == escape && next < pe)
                pc = nextCodePoint(next, pe);
            if (foldCodePoint(pc) == foldCodePoint(tc)) {
                p = next;
                t = tnext;
                continue;
            }
        }
        if (!starP)
            return false;
        // Let the last '%' absorb one more character and retry.
        p = starP;
        nextCodePoint(starT, te);
        t = starT;
    }
    while (p < pe && *p == '%')
        ++p;
    return p == pe;
}

QString fold(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t cp : text.toUcs4()) {
        const char32_t f = foldCodePoint(cp);
        out.append(QString::fromUcs4(&f, 1));
    }
    return out;
}

bool install(sqlite3* db)
{
    if (sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, nullptr, collate, nullptr) != SQLITE_OK)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    return sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr)
        == SQLITE_OK
        && sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

} // namespace SpanishText
