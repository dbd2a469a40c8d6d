#pragma once

#include <juce_core/juce_core.h>
#include <atomic>

/** The bank list that every plug-in instance in the process shares (held through a
    juce::SharedResourcePointer), the one lock that guards it, and the process-wide
    state of loading and saving it.

    Nothing hands out a pointer into the list: readers copy what they need while they
    hold the lock, so no thread can free or move an element that another one reads.
    The audio thread never takes the lock. */
class SharedBankList
{
public:
    SharedBankList();

    /** Runs fn (const juce::XmlElement& list) under the lock; fn must not keep a
        pointer into the list. */
    template <typename Fn>
    auto read (Fn&& fn) const
    {
        const juce::ScopedLock sl (lock);
        return fn (static_cast<const juce::XmlElement&> (banks));
    }

    /** Runs fn (juce::XmlElement& list) under the lock. */
    template <typename Fn>
    auto modify (Fn&& fn)
    {
        const juce::ScopedLock sl (lock);
        return fn (banks);
    }

    /** The tag of the bank that holds the sample preset until the list is loaded. */
    static const juce::Identifier placeholderTag;

    struct Added
    {
        int index = -1;     // index in the list, -1 when the bank was refused
        juce::String name;  // the name it was given (after renaming)
    };

    /** Appends a copy of a bank that the list accepts, renamed "name 1", "name 2" ...
        when the list already holds its name; every preset in it takes the new name. */
    static Added appendBank (juce::XmlElement& list, const juce::XmlElement& bank);

    /** In one step, puts the factory banks in place of the placeholder (its sample
        preset becomes the first preset of the first factory bank), sets
        "userBankIndex", appends the user banks and any bank added meanwhile, and adds
        the default user bank when there is none. Without a factory bank the
        placeholder stays. Returns the last user bank appended. */
    Added publish (juce::OwnedArray<juce::XmlElement> factoryBanks,
                   juce::OwnedArray<juce::XmlElement> userBanks);

    //==============================================================================
    // Loading: one instance at a time fills the list, and a load that is cut short
    // leaves the placeholder alone so that the next instance can start again.

    /** True when the caller should load the list (nobody has, nobody is). */
    bool claimLoading();
    /** Called by the instance that claimed loading when it will not finish it. */
    void abandonLoading();
    bool isLoaded() const;

    //==============================================================================
    // Saving: one save at a time in the process, each from a snapshot taken when it
    // runs; a save whose request an already written snapshot covers does nothing.

    /** Numbers a new save request. */
    juce::int64 requestSave() noexcept { return ++saveRequests; }

    /** Writes the user banks to the file unless a newer snapshot has been written, the
        list is not loaded yet, or the user's file must be kept as it is. */
    void save (const juce::File& userBankFile, juce::int64 request);

    /** Stops every later save (the file holds something the list could not take in). */
    void keepUserFileAsItIs() noexcept { userFileKept = true; }
    bool isUserFileKept() const noexcept { return userFileKept; }

private:
    enum class LoadState
    {
        notLoaded,
        loading,
        loaded
    };

    mutable juce::CriticalSection lock;
    juce::XmlElement banks { "Vortane" };
    LoadState loadState = LoadState::notLoaded;  // guarded by lock

    juce::CriticalSection saveLock;  // held by pool threads only, while writing
    std::atomic<juce::int64> saveRequests { 0 };
    juce::int64 savedRequest = 0;  // guarded by saveLock
    std::atomic<bool> userFileKept { false };

    JUCE_DECLARE_NON_COPYABLE (SharedBankList)
};
