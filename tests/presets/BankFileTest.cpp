#include "presets/BankFile.h"
#include "support/BankFiles.h"

#include <VortaneBinaryData.h>
#include <cstring>

using namespace BankXml;

namespace
{
    juce::MemoryBlock gzipOf (const juce::MemoryBlock& data)
    {
        juce::MemoryOutputStream compressed;
        {
            juce::GZIPCompressorOutputStream gzip (compressed, 9, juce::GZIPCompressorOutputStream::windowBitsGZIP);
            gzip.write (data.getData(), data.getSize());
        }
        return compressed.getMemoryBlock();
    }

    juce::MemoryBlock nested (int depth)
    {
        return bytesOf (juce::String::repeatedString ("<a x=\"1>2\">", depth) + juce::String::repeatedString ("</a>", depth));
    }

    juce::String bankNamesOf (const juce::OwnedArray<juce::XmlElement>& banks)
    {
        juce::StringArray names;
        for (auto* b : banks)
            names.add (b->getStringAttribute ("bank"));
        return names.joinIntoString (",");
    }
}

TEST (BankFile, embeddedFactoryBankIsTheOneInitBankGzippedUnderItsFileName)
{
    const auto* gz = static_cast<const unsigned char*> (static_cast<const void*> (VortaneBinaryData::factoryPresets_kqb));
    const auto size = (size_t) VortaneBinaryData::factoryPresets_kqbSize;

    // One gzip member whose header carries the name (flag FNAME, no extra field) after its ten fixed bytes.
    ASSERT_GT (size, 10u);
    EXPECT_EQ (gz[0] << 8 | gz[1], 0x1f8b);
    EXPECT_EQ (gz[3] & 0x0c, 0x08);
    EXPECT_EQ (std::string ((const char*) gz + 10, strnlen ((const char*) gz + 10, size - 10)), "factoryPresets.kqb");

    juce::MemoryInputStream compressed (gz, size, false);
    juce::GZIPDecompressorInputStream inflated (&compressed, false, juce::GZIPDecompressorInputStream::gzipFormat);
    const auto document = juce::parseXML (inflated.readEntireStreamAsString());
    ASSERT_NE (document, nullptr);

    // Attributes in this order; "Frequency" names no parameter of this product.
    const auto expected = juce::parseXML (R"(<Vortane-Bank>
        <Quillmere_Bank bank="Init" version="2" device="Vortane" vendor="Quillmere Music" author="Quillmere Music"
                        description="Init Presets" uuid="2029ac02651d46b2b9adc53c84e535c3">
          <Quillmere_Preset name="Init" bank="Init" uuid="5029ac02651d46b2b9adc53c84e535c9" version="2"
                            Parameters="In:0.75,Frequency:0.24242776632308959961,Resonance:0.58405089378356933594"
                            MetaLabels="META KNOB:META KNOB:META KNOB:META KNOB"/>
        </Quillmere_Bank></Vortane-Bank>)");
    EXPECT_TRUE (document->isEquivalentTo (expected.get(), false)) << document->toString();

    const auto banks = BankFile::readEmbeddedFactoryBanks();
    ASSERT_EQ (banks.size(), 1);
    EXPECT_TRUE (banks[0]->isEquivalentTo (document->getFirstChildElement(), false));
}

//==============================================================================
struct FactoryData { const char* label; juce::MemoryBlock data; const char* expectedBanks; };

void PrintTo (const FactoryData& c, std::ostream* os) { *os << c.label; }   // not the bytes

class UnreadableFactoryBank : public ::testing::TestWithParam<FactoryData> {};

TEST_P (UnreadableFactoryBank, givesOnlyTheBanksOfThisProduct)
{
    const auto& c = GetParam();
    EXPECT_EQ (bankNamesOf (BankFile::readFactoryBanks (c.data.getData(), c.data.getSize())), c.expectedBanks);
}

INSTANTIATE_TEST_SUITE_P (Cases, UnreadableFactoryBank, ::testing::Values (
    FactoryData { "empty", {}, "" },
    FactoryData { "not_compressed", bytesOf ("<Vortane-Bank>" + bankText ("A") + "</Vortane-Bank>"), "" },
    FactoryData { "compressed_text_that_is_not_XML", gzipOf (bytesOf ("just some words")), "" },
    FactoryData { "compressed_but_cut_short", []
                  {
                      auto whole = gzipOf (bytesOf ("<Vortane-Bank>" + bankText ("A", 3) + "</Vortane-Bank>"));
                      whole.setSize (whole.getSize() / 2);
                      return whole;
                  }(), "" },
    FactoryData { "compressed_nested_too_deep", gzipOf (nested (100000)), "" },
    // Another device, another tag, no device: refused.
    FactoryData { "foreign_banks_among_ours",
                  gzipOf (bytesOf ("<Root>" + bankText ("A") + bankText ("B", 1, "Other") + bankText ("C", 1, "Vortane", "Other")
                                   + "<Quillmere_Bank bank=\"D\"/>" + bankText ("E") + "</Root>")), "A,E" }),
    [] (const auto& testCase) { return std::string (testCase.param.label); });

//==============================================================================
TEST (BankFile, parseRefusesTooDeepDocumentsAndReadsByteOrderMarks)
{
    EXPECT_NE (BankFile::parse (nested (BankFile::maxNesting)), nullptr);
    EXPECT_EQ (BankFile::parse (nested (BankFile::maxNesting + 1)), nullptr);

    // Self-closing tags, comments and CDATA add no depth.
    juce::MemoryOutputStream wide;
    wide << "<?xml version=\"1.0\"?><!-- <a><a> --><r>";
    for (int i = 0; i < 1000; ++i)
        wide << "<p a='/>'/><![CDATA[<a><a>]]>";
    wide << "</r>";
    EXPECT_NE (BankFile::parse (wide.getMemoryBlock()), nullptr);

    const juce::String name (juce::CharPointer_UTF8 ("\xc3\xa9t\xc3\xa9"));
    const juce::String text = "<Quillmere_Bank bank=\"" + name + "\" device=\"Vortane\"/>";
    juce::MemoryOutputStream utf8, utf16;
    utf8 << "\xef\xbb\xbf" << text;
    utf16 << "\xff\xfe";
    for (auto c : text)
        utf16.writeShort ((short) c);

    for (auto* block : { &utf8, &utf16 })
    {
        const auto bank = BankFile::parse (block->getMemoryBlock());
        ASSERT_NE (bank, nullptr);
        EXPECT_EQ (bank->getStringAttribute ("bank"), name);
    }
}

TEST (BankFile, defaultUserBankIsAnEmptyMyPresetsBankWithAFreshUuid)
{
    const auto a = BankFile::makeDefaultUserBank();
    EXPECT_EQ (a->getNumChildElements(), 0);
    EXPECT_TRUE (BankFile::isAcceptedBank (*a));

    // Attributes in the order other products write them.
    const char* expectedOrder[] = { "bank", "author", "description", "device", "version", "uuid" };
    ASSERT_EQ (a->getNumAttributes(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (a->getAttributeName (i), expectedOrder[i]);
    EXPECT_EQ (a->getStringAttribute ("bank"), "myPresets");
    EXPECT_EQ (a->getStringAttribute ("version"), juce::String ((1 << 16) | (1 << 8) | 1));

    const auto uuid = a->getStringAttribute ("uuid");
    EXPECT_EQ (uuid.length(), 36);
    EXPECT_EQ (uuid.removeCharacters ("-").retainCharacters ("0123456789abcdef").length(), 32);
    EXPECT_NE (uuid, BankFile::makeDefaultUserBank()->getStringAttribute ("uuid"));
}

//==============================================================================
using BankFileOnDisk = UserBankFileTest;

TEST_F (BankFileOnDisk, writtenCollectionHoldsOnlyTheUserBanksInTheFrameworkTextForm)
{
    juce::XmlElement list ("Vortane");
    for (auto name : { "Factory", "U1", "U2" })
        list.addChildElement (makeBank (name).release());

    ASSERT_TRUE (BankFile::write (bankFile(), *BankFile::makeCollection (list, 1)));

    const auto text = bankFile().loadFileAsString();
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_TRUE (text.contains ("<Banks IsBankCollection=\"true\" version=\"65793\">\r\n"));

    const auto read = BankFile::readUserFile (bankFile());
    EXPECT_FALSE (read.keepFileAsItIs);
    EXPECT_EQ (bankNamesOf (read.banks), "U1,U2");
    EXPECT_EQ (read.banks[1]->getFirstChildElement()->getStringAttribute ("name"), "U2/0");
    EXPECT_TRUE (bankFileSiblings().isEmpty()) << "no temporary file is left behind";
}

TEST_F (BankFileOnDisk, failedWriteLeavesWhatWasThereAndNoTemporaryFile)
{
    bankFile().createDirectory();   // a folder where the file should be: the rename must fail
    const auto marker = bankFile().getChildFile ("keep.txt");
    ASSERT_TRUE (marker.replaceWithText ("mine"));

    EXPECT_FALSE (BankFile::write (bankFile(), *BankFile::makeCollection (juce::XmlElement ("Vortane"), 0)));
    EXPECT_EQ (marker.loadFileAsString(), "mine");
    EXPECT_TRUE (bankFileSiblings().isEmpty());
    EXPECT_TRUE (BankFile::readUserFile (bankFile()).keepFileAsItIs);
}
