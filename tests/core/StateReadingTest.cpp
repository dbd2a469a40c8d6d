// The readers under every state, preset and preferences file: the parameter list, the
// numbers in it, and the XML around it, all of which come from outside the program.
#include "core/ParameterList.h"
#include "core/SafeXml.h"
#include "core/StateNumbers.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST (ParameterList, splitsIntoIdentifiersAndValuesAsWrittenAndReadsAHugeListInLinearTime)
{
    using Items = std::vector<std::pair<juce::String, juce::String>>;
    const std::pair<const char*, Items> cases[] = {
        { "", {} }, { "no colon at all,", {} }, { "In:0.5,trailing", { { "In", "0.5" } } }, { "a:b:c,", { { "a", "b:c" } } },
        { ".Power Btn    :1,x:1,,y:2", { { ".Power Btn    ", "1" }, { "x", "1" }, { ",y", "2" } } },   // as written, untrimmed
        { "In:0.5,Cutoff:0.25,", { { "In", "0.5" }, { "Cutoff", "0.25" } } },
        { "In:0.5,Cutoff:0.25", { { "In", "0.5" }, { "Cutoff", "0.25" } } },     // bank files end without a comma
        { "a,b:1,", { { "a,b", "1" } } }, { ":,", { { "", "" } } } };

    for (const auto& [text, items] : cases)
    {
        const ParameterList list (juce::String::fromUTF8 (text));
        Items read;
        for (int i = 0; i < list.size(); ++i)
            read.push_back ({ list.identifiers[i], list.values[i] });
        EXPECT_EQ (read, items) << text;
    }

    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "p" + std::to_string (i) + ":0.5,";

    const auto start = juce::Time::getMillisecondCounterHiRes();
    const ParameterList list { juce::String (text) };
    EXPECT_EQ (list.indexOf ("p199999"), 199999);
    EXPECT_EQ (list.size(), 200000);
    EXPECT_LT (juce::Time::getMillisecondCounterHiRes() - start, 2000.0);
}

TEST (StateNumbers, valuesAreFiniteAndWithinZeroToOne)
{
    constexpr float fallback = 0.625f;
    const std::pair<const char*, float> values[] = {
        { "0.75", 0.75f }, { "1e-05", 1e-05f }, { " +0.5", 0.5f }, { "0.5abc", 0.5f }, { "abc", 0.0f }, { "", 0.0f },
        { "2.5", 1.0f }, { "-3", 0.0f }, { "1e-999", 0.0f }, { "0.1e-99999999999999999999", 0.0f }, { "nan", fallback },
        { "-nan", fallback }, { "inf", fallback }, { "-inf", fallback }, { "1e999", fallback }, { "1e99999999999999999999", fallback } };
    for (auto [text, expected] : values)
        EXPECT_FLOAT_EQ (StateNumbers::readNormalised (text, fallback), expected) << text;
}

TEST (SafeXml, parsesOnlyWellFormedBoundedValidText)
{
    auto parses = [] (const std::string& text, SafeXml::Limits limits = {})
    {
        return SafeXml::parse (text.data(), text.size(), limits) != nullptr;
    };
    auto nested = [] (int depth, const char* open, const char* close)
    {
        std::string s;
        for (int i = 0; i < depth; ++i) s += open;
        for (int i = 0; i < depth; ++i) s += close;
        return s;
    };

    EXPECT_TRUE (parses ("<a b=\"1\" c='2'/>"));
    EXPECT_TRUE (parses ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- x --><a><b>t&amp;&#233;&#x1F600;</b><![CDATA[<x>]]></a>\r\n"));
    EXPECT_TRUE (parses ("<a>\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf</a>"));   // 2, 3 and 4 bytes, and U+10FFFF
    EXPECT_TRUE (parses (nested (64, "<a>", "</a>")));                                          // depth at the limit

    const std::string rejected[] = {
        nested (65, "<a>", "</a>"), "<a><b></a></b>", "<a/>junk", "<a/><b/>", "",
        "<!DOCTYPE a [<!ENTITY x \"&x;&x;\">]><a>&x;</a>", "<a>&foo;</a>", "<a>&<b><b><b>;</a>",   // entities
        "<a>&#0;</a>", "<a b=\"&#1114112;\"/>", "<a>&#xD800;</a>",                                // zero, beyond Unicode, surrogate
        "<a b=\"<c/>\"/>", "<a b=1/>", "<r><a \"x <b><b></b></b>\"/></r>",                         // broken attributes
        "<a><?pi x?>t</a>", std::string ("<a b=\"\0\"/>", 10),
        "<a>\xf4\x90\x80\x80</a>", "<a>\xe0\x80\xaf</a>", "<a>\xed\xa0\x80</a>", "<a>\x80</a>", "<a>\xff</a>" };   // beyond U+10FFFF,
                                                                    // overlong, surrogate, stray continuation, 0xff

    for (const auto& text : rejected)
        EXPECT_FALSE (parses (text)) << text;

    // 100 elements and one more, within and beyond the element and byte limits.
    const auto many = "<r>" + nested (100, "<a/>", "") + "</r>";
    EXPECT_FALSE (parses (many, { 4u << 20, 64, 100 }));
    EXPECT_TRUE (parses (many, { 4u << 20, 64, 101 }));
    EXPECT_FALSE (parses (many, { many.size() - 1, 64, 101 }));
}

TEST (StateNumbers, integersSaturateLockFlagsArePositiveNumbersAndSixDigitValuesReadExactly)
{
    EXPECT_FLOAT_EQ (StateNumbers::readNormalised ("0.189926", 0.625f), 0.189926f);

    const std::pair<const char*, int> leading[] = { { "42abc", 42 }, { "-7", -7 }, { "x1", 0 },
        { "99999999999999999999", std::numeric_limits<int>::max() }, { "-99999999999999999999", std::numeric_limits<int>::min() } };
    for (auto [text, expected] : leading)
        EXPECT_EQ (StateNumbers::readLeadingInt (text), expected) << text;

    const std::pair<const char*, bool> locks[] = { { "1", true }, { "3x", true }, { "0", false }, { "-1", false }, { "yes", false } };
    for (auto [text, expected] : locks)
        EXPECT_EQ (StateNumbers::readLockFlag (text), expected) << text;
}

TEST (SafeXml, utf8ValidityRefusesOverlongTruncatedAndZeroBytes)
{
    auto valid = [] (const std::string& s) { return SafeXml::isValidUtf8 (s.data(), s.size()); };
    EXPECT_TRUE (valid ("plain"));
    for (auto* bad : { "\xc0\xaf", "\xc3" })   // overlong '/' in two bytes, cut short
        EXPECT_FALSE (valid (bad)) << bad;
    EXPECT_FALSE (valid (std::string ("a\0b", 3)));
}
