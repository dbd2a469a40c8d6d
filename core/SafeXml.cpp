#include "core/SafeXml.h"

#include <cstring>
#include <vector>

namespace
{
    bool isSpace (char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    bool isNameChar (char c) noexcept
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || c == '_' || c == '-' || c == ':' || c == '.';
    }

    int hexDigit (char c) noexcept
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    /** Walks the text once, without recursion, and accepts only a subset of XML in
        which the framework's parser builds exactly the nesting seen here. */
    class StructureCheck
    {
    public:
        StructureCheck (const char* text, std::size_t size, const SafeXml::Limits& l)
            : p (text), end (text + size), limits (l) {}

        bool run()
        {
            if (! skipMisc())
                return false;

            if (! element())
                return false;

            return skipMisc() && p == end;
        }

    private:
        struct Name
        {
            const char* start;
            std::size_t length;
        };

        const char* p;
        const char* const end;
        const SafeXml::Limits& limits;

        bool startsWith (const char* s) const noexcept
        {
            const auto n = std::strlen (s);
            return (std::size_t) (end - p) >= n && std::memcmp (p, s, n) == 0;
        }

        bool skipPast (const char* terminator) noexcept
        {
            const auto n = std::strlen (terminator);
            for (; (std::size_t) (end - p) >= n; ++p)
                if (std::memcmp (p, terminator, n) == 0)
                {
                    p += n;
                    return true;
                }
            return false;
        }

        bool skipSpace() noexcept
        {
            const auto* start = p;
            while (p < end && isSpace (*p))
                ++p;
            return p != start;
        }

        Name readName() noexcept
        {
            const auto* start = p;
            while (p < end && isNameChar (*p))
                ++p;
            return { start, (std::size_t) (p - start) };
        }

        // Whitespace, comments and processing instructions around the document element.
        bool skipMisc() noexcept
        {
            for (;;)
            {
                skipSpace();

                if (startsWith ("<!--"))
                {
                    p += 4;
                    if (! skipPast ("-->"))
                        return false;
                }
                else if (startsWith ("<?"))
                {
                    p += 2;
                    if (! skipPast ("?>"))
                        return false;
                }
                else
                {
                    return true;
                }
            }
        }

        // The five predefined references and numeric ones naming a valid character.
        bool reference() noexcept
        {
            ++p;
            for (auto* named : { "amp;", "lt;", "gt;", "quot;", "apos;" })
                if (startsWith (named))
                {
                    p += std::strlen (named);
                    return true;
                }

            if (p >= end || *p != '#')
                return false;

            ++p;
            const bool hex = p < end && *p == 'x';
            if (hex)
                ++p;

            long code = 0;
            int digits = 0;
            for (; p < end && *p != ';'; ++p)
            {
                const int d = hex ? hexDigit (*p) : (*p >= '0' && *p <= '9' ? *p - '0' : -1);
                if (d < 0 || ++digits > 7)
                    return false;
                code = code * (hex ? 16 : 10) + d;
            }

            if (p >= end || digits == 0)
                return false;

            ++p;
            return code > 0 && code <= 0x10ffff && ! (code >= 0xd800 && code <= 0xdfff);
        }

        bool startTag (Name& name, bool& selfClosing)
        {
            ++p;
            name = readName();
            if (name.length == 0)
                return false;

            for (;;)
            {
                const bool separated = skipSpace();
                if (p >= end)
                    return false;

                if (startsWith ("/>"))
                {
                    p += 2;
                    selfClosing = true;
                    return true;
                }

                if (*p == '>')
                {
                    ++p;
                    selfClosing = false;
                    return true;
                }

                if (! separated || readName().length == 0)
                    return false;

                skipSpace();
                if (p >= end || *p != '=')
                    return false;

                ++p;
                skipSpace();
                if (p >= end || (*p != '"' && *p != '\''))
                    return false;

                const char quote = *p++;
                while (p < end && *p != quote)
                {
                    if (*p == '<')
                        return false;

                    if (*p == '&')
                    {
                        if (! reference())
                            return false;
                    }
                    else
                    {
                        ++p;
                    }
                }

                if (p >= end)
                    return false;
                ++p;
            }
        }

        bool element()
        {
            if (p >= end || *p != '<')
                return false;

            std::vector<Name> open;
            int elements = 0;

            auto openElement = [&]() -> bool
            {
                Name name {};
                bool selfClosing = false;
                if (! startTag (name, selfClosing) || ++elements > limits.maxElements)
                    return false;

                if (! selfClosing)
                {
                    open.push_back (name);
                    if ((int) open.size() > limits.maxDepth)
                        return false;
                }
                return true;
            };

            if (! openElement())
                return false;

            while (! open.empty())
            {
                if (p >= end)
                    return false;

                if (*p == '&')
                {
                    if (! reference())
                        return false;
                }
                else if (*p != '<')
                {
                    ++p;
                }
                else if (startsWith ("</"))
                {
                    p += 2;
                    const auto name = readName();
                    const auto& expected = open.back();
                    if (name.length != expected.length || std::memcmp (name.start, expected.start, name.length) != 0)
                        return false;

                    skipSpace();
                    if (p >= end || *p != '>')
                        return false;

                    ++p;
                    open.pop_back();
                }
                else if (startsWith ("<!--"))
                {
                    p += 4;
                    if (! skipPast ("-->"))
                        return false;
                }
                else if (startsWith ("<![CDATA["))
                {
                    p += 9;
                    if (! skipPast ("]]>"))
                        return false;
                }
                else if (startsWith ("<!") || startsWith ("<?"))
                {
                    return false;
                }
                else if (! openElement())
                {
                    return false;
                }
            }

            return true;
        }
    };
}

bool SafeXml::isValidUtf8 (const void* data, std::size_t numBytes) noexcept
{
    const auto* s = static_cast<const unsigned char*> (data);
    const auto* end = s + numBytes;

    while (s < end)
    {
        const unsigned c = *s++;

        if (c == 0)
            return false;

        if (c < 0x80)
            continue;

        int extra;
        unsigned code;
        if ((c & 0xe0) == 0xc0)
        {
            extra = 1;
            code = c & 0x1f;
        }
        else if ((c & 0xf0) == 0xe0)
        {
            extra = 2;
            code = c & 0x0f;
        }
        else if ((c & 0xf8) == 0xf0)
        {
            extra = 3;
            code = c & 0x07;
        }
        else
            return false;

        if (end - s < extra)
            return false;

        for (int i = 0; i < extra; ++i)
        {
            const unsigned next = *s++;
            if ((next & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3f);
        }

        static constexpr unsigned smallest[] = { 0, 0x80, 0x800, 0x10000 };
        if (code < smallest[extra] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
    }

    return true;
}

bool SafeXml::isAcceptable (const char* utf8, std::size_t numBytes, const Limits& limits)
{
    return numBytes > 0 && numBytes <= limits.maxBytes
        && isValidUtf8 (utf8, numBytes)
        && StructureCheck (utf8, numBytes, limits).run();
}

std::unique_ptr<juce::XmlElement> SafeXml::parse (const void* utf8, std::size_t numBytes, const Limits& limits)
{
    const auto* text = static_cast<const char*> (utf8);

    if (text == nullptr || ! isAcceptable (text, numBytes, limits))
        return {};

    juce::XmlDocument document (juce::String::fromUTF8 (text, (int) numBytes));
    return document.getDocumentElement();
}

std::unique_ptr<juce::XmlElement> SafeXml::parse (const juce::String& text, const Limits& limits)
{
    return parse (text.toRawUTF8(), text.getNumBytesAsUTF8(), limits);
}

std::unique_ptr<juce::XmlElement> SafeXml::parseFile (const juce::File& file, const Limits& limits)
{
    constexpr std::size_t byteOrderMarkSize = 3;

    if (! file.existsAsFile() || file.getSize() > (juce::int64) (limits.maxBytes + byteOrderMarkSize))
        return {};

    juce::MemoryBlock contents;
    if (! file.loadFileAsData (contents))
        return {};

    const auto* bytes = static_cast<const char*> (contents.getData());
    auto size = contents.getSize();

    if (size >= byteOrderMarkSize && std::memcmp (bytes, "\xef\xbb\xbf", byteOrderMarkSize) == 0)
    {
        bytes += byteOrderMarkSize;
        size -= byteOrderMarkSize;
    }

    return parse (bytes, size, limits);
}
