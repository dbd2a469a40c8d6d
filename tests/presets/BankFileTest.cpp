#include "presets/BankFile.h"
#include "support/BankFiles.h"

#include <VortaneBinaryData.h>
#include <cstring>

using namespace BankXml;

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

TEST (BankFile, parseRefusesTooDeepDocumentsAndReadsByteOrderMarks)
{
    const auto nested = [] (int depth) { return bytesOf (juce::String::repeatedString ("<a x=\"1>2\">", depth) + juce::String::repeatedString ("</a>", depth)); };
    EXPECT_NE (BankFile::parse (nested (BankFile::maxNesting)), nullptr);
    EXPECT_EQ (BankFile::parse (nested (BankFile::maxNesting + 1)), nullptr);

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

//==============================================================================
using BankFileOnDisk = UserBankFileTest;

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
