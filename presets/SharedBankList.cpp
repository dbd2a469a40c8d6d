#include "presets/SharedBankList.h"
#include "presets/BankFile.h"
#include "presets/PresetIds.h"

#include <map>
#include <set>
#include <vector>

const juce::Identifier SharedBankList::placeholderTag ("Small");

namespace
{
    /** The names the banks of a list carry, and the renaming rule: the first of
        "name", "name 1", "name 2" ... that no bank carries yet. */
    class BankNames
    {
    public:
        BankNames() = default;

        explicit BankNames (const juce::XmlElement& list)
        {
            for (auto* bank : list.getChildIterator())
                taken.insert (bank->getStringAttribute (PresetIds::bank));
        }

        void add (const juce::XmlElement& bank)
        {
            taken.insert (bank.getStringAttribute (PresetIds::bank));
        }

        juce::String claim (const juce::String& wanted)
        {
            auto name = wanted;

            if (taken.count (name) > 0)
            {
                // Names are only ever added, so the first free suffix never moves back:
                // starting from the last one found keeps large files linear.
                int& suffix = nextSuffix.try_emplace (wanted, 1).first->second;

                do
                    name = wanted + " " + juce::String (suffix++);
                while (taken.count (name) > 0);
            }

            taken.insert (name);
            return name;
        }

    private:
        std::set<juce::String> taken;
        std::map<juce::String, int> nextSuffix;
    };

    /** Gives an accepted bank its name in the list, renaming it and its presets when
        the name is taken; false when the list refuses the bank. */
    bool nameBank (juce::XmlElement& bank, BankNames& names, juce::String& name)
    {
        if (! BankFile::isAcceptedBank (bank))
            return false;

        auto wanted = bank.getStringAttribute (PresetIds::bank);
        if (wanted.isEmpty())
            wanted = bank.getTagName();

        name = names.claim (wanted);

        if (bank.getStringAttribute (PresetIds::bank) != name)
        {
            bank.setAttribute (PresetIds::bank, name);

            for (auto* preset : bank.getChildIterator())
                if (! preset->isTextElement())
                    preset->setAttribute (PresetIds::bank, name);
        }

        return true;
    }
}

SharedBankList::SharedBankList() = default;

SharedBankList::Added SharedBankList::appendBank (juce::XmlElement& list, const juce::XmlElement& bank)
{
    BankNames names (list);
    auto copy = std::make_unique<juce::XmlElement> (bank);

    Added added;
    if (! nameBank (*copy, names, added.name))
        return {};

    added.index = list.getNumChildElements();
    list.addChildElement (copy.release());
    return added;
}

SharedBankList::Added SharedBankList::publish (juce::OwnedArray<juce::XmlElement> factoryBanks,
                                               juce::OwnedArray<juce::XmlElement> userBanks)
{
    const juce::ScopedLock sl (lock);

    std::unique_ptr<juce::XmlElement> placeholder;
    juce::OwnedArray<juce::XmlElement> addedMeanwhile;

    while (auto* child = banks.getFirstChildElement())
    {
        banks.removeChildElement (child, false);

        if (placeholder == nullptr && addedMeanwhile.isEmpty() && child->hasTagName (placeholderTag))
            placeholder.reset (child);
        else
            addedMeanwhile.add (child);
    }

    // Collected in order first: appending to an element walks all its children.
    std::vector<juce::XmlElement*> ordered;

    if (factoryBanks.isEmpty())
    {
        if (placeholder != nullptr)
            ordered.push_back (placeholder.release());
    }
    else
    {
        if (placeholder != nullptr)
            if (auto* sample = placeholder->getFirstChildElement())
            {
                placeholder->removeChildElement (sample, false);
                factoryBanks.getFirst()->prependChildElement (sample);
            }

        for (auto* bank : factoryBanks)
            ordered.push_back (bank);

        factoryBanks.clear (false);
    }

    const int userBankIndex = (int) ordered.size();

    BankNames names;
    for (auto* bank : ordered)
        names.add (*bank);

    Added lastUserBank;
    const auto adopt = [&] (juce::OwnedArray<juce::XmlElement>& candidates, bool fromUserFile)
    {
        for (auto* bank : candidates)
        {
            juce::String name;
            if (nameBank (*bank, names, name))
            {
                if (fromUserFile)
                    lastUserBank = { (int) ordered.size(), name };

                ordered.push_back (bank);
            }
            else
            {
                delete bank;
            }
        }

        candidates.clear (false);
    };

    adopt (userBanks, true);
    adopt (addedMeanwhile, false);

    if ((int) ordered.size() == userBankIndex)
        ordered.push_back (BankFile::makeDefaultUserBank().release());

    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it)
        banks.prependChildElement (*it);

    banks.setAttribute (PresetIds::userBankIndex, userBankIndex);
    loadState = LoadState::loaded;
    return lastUserBank;
}

bool SharedBankList::claimLoading()
{
    const juce::ScopedLock sl (lock);
    if (loadState != LoadState::notLoaded)
        return false;

    loadState = LoadState::loading;
    return true;
}

void SharedBankList::abandonLoading()
{
    const juce::ScopedLock sl (lock);
    if (loadState == LoadState::loading)
        loadState = LoadState::notLoaded;
}

bool SharedBankList::isLoaded() const
{
    const juce::ScopedLock sl (lock);
    return loadState == LoadState::loaded;
}

void SharedBankList::save (const juce::File& userBankFile, juce::int64 request)
{
    const juce::ScopedLock writing (saveLock);

    if (request <= savedRequest || userFileKept)
        return;

    // Every request made so far is covered by the snapshot taken below.
    const auto covered = saveRequests.load();

    auto document = read ([this] (const juce::XmlElement& list) -> std::unique_ptr<juce::XmlElement>
                          {
        // Before loading the list holds no user bank: writing it would empty the file.
        if (loadState != LoadState::loaded)
            return {};

        return BankFile::makeCollection (list, juce::jmax (0, list.getIntAttribute (PresetIds::userBankIndex))); });

    if (document != nullptr && BankFile::write (userBankFile, *document))
        savedRequest = covered;
}
