#include "core/ParameterList.h"
#include "core/SafeXml.h"
#include "core/StateNumbers.h"

#include <gtest/gtest.h>
#include <cmath>

//==============================================================================
namespace
{
    struct ListCase
    {
        const char* text;
        std::vector<std::pair<const char*, const char*>> items;
    };

    class ParameterListTest : public ::testing::TestWithParam<ListCase> {};
}

TEST_P (ParameterListTest, splitsIntoIdentifiersAndValuesAsWritten)
{
    const auto& c = GetParam();
    const ParameterList list (juce::String::fromUTF8 (c.text));

    ASSERT_EQ (list.size(), (int) c.items.size()) << c.text;
    for (size_t i = 0; i < c.items.size(); ++i)
    {
        EXPECT_EQ (list.identifiers[(int) i], juce::String (c.items[i].first)) << c.text;
        EXPECT_EQ (list.values[(int) i], juce::String (c.items[i].second)) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P (Lists, ParameterListTest, ::testing::Values (
    ListCase { "", {} },
    ListCase { "no colon at all,", {} },
    ListCase { "In:0.5,Cutoff:0.25,", { { "In", "0.5" }, { "Cutoff", "0.25" } } },
    ListCase { "In:0.5,Cutoff:0.25", { { "In", "0.5" }, { "Cutoff", "0.25" } } },     // bank files end without a comma
    ListCase { ".Power Btn    :1,", { { ".Power Btn    ", "1" } } },                     // identifiers are not trimmed
    ListCase { "In:0.5,trailing", { { "In", "0.5" } } },
    ListCase { "a,b:1,", { { "a,b", "1" } } },
    ListCase { "a:b:c,", { { "a", "b:c" } } },
    ListCase { ":,", { { "", "" } } },
    ListCase { "x:1,,y:2,", { { "x", "1" }, { ",y", "2" } } }));

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

//==============================================================================
namespace
{
    struct NumberCase
    {
        const char* text;
        float expected;
    };

    class NormalisedValueTest : public ::testing::TestWithParam<NumberCase> {};
    constexpr float fallback = 0.625f;
}

TEST_P (NormalisedValueTest, isFiniteAndWithinZeroToOne)
{
    const auto& c = GetParam();
    const float v = StateNumbers::readNormalised (c.text, fallback);
    EXPECT_TRUE (std::isfinite (v));
    EXPECT_FLOAT_EQ (v, c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P (Texts, NormalisedValueTest, ::testing::Values (
    NumberCase { "0.75", 0.75f }, NumberCase { "0.189926", 0.189926f }, NumberCase { "1e-05", 1e-05f },
    NumberCase { " +0.5", 0.5f }, NumberCase { "0.5abc", 0.5f }, NumberCase { "abc", 0.0f }, NumberCase { "", 0.0f },
    NumberCase { "2.5", 1.0f }, NumberCase { "-3", 0.0f }, NumberCase { "1e-999", 0.0f },
    NumberCase { "nan", fallback }, NumberCase { "-nan", fallback }, NumberCase { "inf", fallback },
    NumberCase { "-inf", fallback }, NumberCase { "1e999", fallback },
    NumberCase { "1e99999999999999999999", fallback }, NumberCase { "0.1e-99999999999999999999", 0.0f }));

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
    struct XmlCase
    {
        const char* name;
        std::string text;
        bool accepted;
    };

    std::string nested (int depth)
    {
        std::string s;
        for (int i = 0; i < depth; ++i) s += "<a>";
        for (int i = 0; i < depth; ++i) s += "</a>";
        return s;
    }

    class SafeXmlTest : public ::testing::TestWithParam<XmlCase> {};
}

TEST_P (SafeXmlTest, parsesOnlyWellFormedBoundedText)
{
    const auto& c = GetParam();
    auto xml = SafeXml::parse (c.text.data(), c.text.size());
    EXPECT_EQ (xml != nullptr, c.accepted) << c.name;
}

INSTANTIATE_TEST_SUITE_P (Texts, SafeXmlTest, ::testing::Values (
    XmlCase { "plain", "<a b=\"1\" c='2'/>", true },
    XmlCase { "declaration and comments", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- x --><a><b>t&amp;&#233;&#x1F600;</b><![CDATA[<x>]]></a>\r\n", true },
    XmlCase { "depth at the limit", nested (64), true },
    XmlCase { "depth past the limit", nested (65), false },
    XmlCase { "mismatched close", "<a><b></a></b>", false },
    XmlCase { "text after the root", "<a/>junk", false },
    XmlCase { "two roots", "<a/><b/>", false },
    XmlCase { "DOCTYPE", "<!DOCTYPE a [<!ENTITY x \"&x;&x;\">]><a>&x;</a>", false },
    XmlCase { "unknown entity", "<a>&foo;</a>", false },
    XmlCase { "entity hiding markup", "<a>&<b><b><b>;</a>", false },
    XmlCase { "numeric reference to zero", "<a>&#0;</a>", false },
    XmlCase { "numeric reference beyond Unicode", "<a b=\"&#1114112;\"/>", false },
    XmlCase { "surrogate reference", "<a>&#xD800;</a>", false },
    XmlCase { "markup inside a value", "<a b=\"<c/>\"/>", false },
    XmlCase { "unquoted value", "<a b=1/>", false },
    XmlCase { "stray quote in a tag", "<r><a \"x <b><b></b></b>\"/></r>", false },
    XmlCase { "processing instruction in content", "<a><?pi x?>t</a>", false },
    XmlCase { "zero byte", std::string ("<a b=\"\0\"/>", 10), false },
    XmlCase { "empty", "", false }));

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
