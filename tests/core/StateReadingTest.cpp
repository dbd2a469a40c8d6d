#include "core/ParameterList.h"
#include "core/SafeXml.h"
#include "core/StateNumbers.h"

#include <gtest/gtest.h>
#include <cmath>

TEST (ParameterList, splitsIntoIdentifiersAndValuesAsWritten)
{
    using Items = std::vector<std::pair<juce::String, juce::String>>;
    const std::pair<const char*, Items> cases[] = {
        { "", {} }, { "no colon at all,", {} },
        { "In:0.5,Cutoff:0.25,", { { "In", "0.5" }, { "Cutoff", "0.25" } } },
        { "In:0.5,Cutoff:0.25", { { "In", "0.5" }, { "Cutoff", "0.25" } } },     // bank files end without a comma
        { ".Power Btn    :1,", { { ".Power Btn    ", "1" } } },                    // identifiers are not trimmed
        { "In:0.5,trailing", { { "In", "0.5" } } }, { "a,b:1,", { { "a,b", "1" } } }, { "a:b:c,", { { "a", "b:c" } } },
        { ":,", { { "", "" } } }, { "x:1,,y:2,", { { "x", "1" }, { ",y", "2" } } } };

    for (const auto& [text, items] : cases)
    {
        const ParameterList list (juce::String::fromUTF8 (text));
        Items read;
        for (int i = 0; i < list.size(); ++i)
            read.push_back ({ list.identifiers[i], list.values[i] });
        EXPECT_EQ (read, items) << text;
    }
}

TEST (ParameterList, readsAHugeListInLinearTime)
{
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "p" + std::to_string (i) + ":0.5,";

    const auto start = juce::Time::getMillisecondCounterHiRes();
    const ParameterList list { juce::String (text) };
    EXPECT_EQ (list.size(), 200000);
    EXPECT_EQ (list.indexOf ("p199999"), 199999);
    EXPECT_LT (juce::Time::getMillisecondCounterHiRes() - start, 2000.0);
}

TEST (StateNumbers, normalisedValuesAreFiniteAndWithinZeroToOne)
{
    constexpr float fallback = 0.625f;
    const std::pair<const char*, float> cases[] = {
        { "0.75", 0.75f }, { "0.189926", 0.189926f }, { "1e-05", 1e-05f }, { " +0.5", 0.5f }, { "0.5abc", 0.5f },
        { "abc", 0.0f }, { "", 0.0f }, { "2.5", 1.0f }, { "-3", 0.0f }, { "1e-999", 0.0f }, { "nan", fallback },
        { "-nan", fallback }, { "inf", fallback }, { "-inf", fallback }, { "1e999", fallback },
        { "1e99999999999999999999", fallback }, { "0.1e-99999999999999999999", 0.0f } };

    for (auto [text, expected] : cases)
        EXPECT_FLOAT_EQ (StateNumbers::readNormalised (text, fallback), expected) << text;
}

TEST (StateNumbers, integersSaturateAndWholeNumbersAreStrict)
{
    const std::pair<const char*, int> leading[] = { { "42abc", 42 }, { "-7", -7 }, { "x1", 0 },
        { "99999999999999999999", std::numeric_limits<int>::max() }, { "-99999999999999999999", std::numeric_limits<int>::min() } };
    for (auto [text, expected] : leading)
        EXPECT_EQ (StateNumbers::readLeadingInt (text), expected) << text;

    const std::pair<const char*, bool> locks[] = { { "1", true }, { "3x", true }, { "0", false }, { "-1", false }, { "yes", false } };
    for (auto [text, expected] : locks)
        EXPECT_EQ (StateNumbers::readLockFlag (text), expected) << text;

    const std::pair<const char*, int> indices[] = { { "7", 7 }, { " 43 ", 43 }, { "44", -1 }, { "-2", -1 }, { "7x", -1 },
                                                    { "1e3", -1 }, { "", -1 }, { "99999999999999999999", -1 } };
    for (auto [text, expected] : indices)
        EXPECT_EQ (StateNumbers::readIndex (text, 44), expected) << text;
}

//==============================================================================
namespace
{
    std::string nested (int depth)
    {
        std::string s;
        for (int i = 0; i < depth; ++i) s += "<a>";
        for (int i = 0; i < depth; ++i) s += "</a>";
        return s;
    }

    bool parses (const std::string& text) { return SafeXml::parse (text.data(), text.size()) != nullptr; }
}

TEST (SafeXml, parsesOnlyWellFormedBoundedText)
{
    EXPECT_TRUE (parses ("<a b=\"1\" c='2'/>"));
    EXPECT_TRUE (parses ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- x --><a><b>t&amp;&#233;&#x1F600;</b><![CDATA[<x>]]></a>\r\n"));
    EXPECT_TRUE (parses (nested (64)));      // depth at the limit

    const std::string rejected[] = {
        nested (65), "<a><b></a></b>", "<a/>junk", "<a/><b/>", "",
        "<!DOCTYPE a [<!ENTITY x \"&x;&x;\">]><a>&x;</a>", "<a>&foo;</a>", "<a>&<b><b><b>;</a>",   // entities
        "<a>&#0;</a>", "<a b=\"&#1114112;\"/>", "<a>&#xD800;</a>",                                // zero, beyond Unicode, surrogate
        "<a b=\"<c/>\"/>", "<a b=1/>", "<r><a \"x <b><b></b></b>\"/></r>",                         // broken attributes
        "<a><?pi x?>t</a>", std::string ("<a b=\"\0\"/>", 10) };

    for (const auto& text : rejected)
        EXPECT_FALSE (parses (text)) << text;
}

TEST (SafeXml, utf8ValidityFollowsTheEncodingRules)
{
    auto valid = [] (const std::string& s) { return SafeXml::isValidUtf8 (s.data(), s.size()); };

    // 2, 3 and 4 bytes, and U+10FFFF.
    for (auto* good : { "plain", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf" })
        EXPECT_TRUE (valid (good)) << good;

    // Beyond U+10FFFF, overlong '/' twice, a surrogate, cut short, a stray continuation, 0xff.
    for (auto* bad : { "\xf4\x90\x80\x80", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xc3", "\x80", "\xff" })
        EXPECT_FALSE (valid (bad)) << bad;
    EXPECT_FALSE (valid (std::string ("a\0b", 3)));
}

TEST (SafeXml, elementCountAndSizeAreBounded)
{
    SafeXml::Limits limits;
    limits.maxElements = 100;

    std::string many = "<r>";
    for (int i = 0; i < 100; ++i) many += "<a/>";
    many += "</r>";
    EXPECT_EQ (SafeXml::parse (many.data(), many.size(), limits), nullptr);

    limits.maxElements = 101;
    EXPECT_NE (SafeXml::parse (many.data(), many.size(), limits), nullptr);

    limits.maxBytes = many.size() - 1;
    EXPECT_EQ (SafeXml::parse (many.data(), many.size(), limits), nullptr);
}
