#pragma once

#include <juce_events/juce_events.h>
#include <atomic>
#include <memory>

#include "presets/PendingPresetLoads.h"
#include "presets/SharedBankList.h"

/** Owns this instance's view of the process-wide bank list, knows the current
    preset, loads presets by number on its pool "Pool" and saves the user's banks.
    The processor builds and applies preset elements.

    Threads: construction, destruction, the timer and loadPresetAsync run on the
    message thread; the jobs run on the pool and touch the processor only while they
    hold the message-manager lock. */
class PresetManager : public juce::Timer,
                      public juce::ThreadPool
{
public:
    /** Told when the current preset changes, on the thread that applied it (the
        message thread, or a pool thread holding the message-manager lock). */
    struct Listener
    {
        virtual ~Listener() = default;
        virtual void currentPresetChanged (const juce::String& name, const juce::String& bank,
                                           const juce::String& uuid)
            = 0;
    };

    /** Told when the process-wide bank list has changed (with the message-manager
        lock held). Read the list again with copyBankList(). */
    struct BankListListener
    {
        virtual ~BankListListener() = default;
        virtual void bankListChanged() = 0;
    };

    PresetManager();
    ~PresetManager() override;

    /** Stops the timer, then queues the job that fills the bank list when this
        instance loads it, or takes the load over when its loader went before it
        finished; while another instance loads it, watches again. */
    void timerCallback() override;

    virtual std::unique_ptr<juce::XmlElement> createStateXml (bool withHostState) = 0;
    virtual void restoreStateFromXml (const juce::XmlElement* preset, bool hostState) = 0;

    /** A copy of the preset of the current bank and uuid, else of the first preset of
        the first bank; null when there is none. */
    std::unique_ptr<juce::XmlElement> findCurrentPreset() const;

    /** A copy of the first preset of the first bank, or null when there is none. */
    std::unique_ptr<juce::XmlElement> copyFirstPreset() const;

    /** A copy of the whole bank list. */
    std::unique_ptr<juce::XmlElement> copyBankList() const;

    /** Takes name, bank and identifier of a preset as the current preset and tells the
        preset listeners. An older preset's "category" becomes its "bank". */
    void setCurrentPresetInfo (juce::XmlElement& preset);

    /** Name, bank and identifier of the current preset, read together. */
    struct CurrentPreset
    {
        juce::String name, bank, uuid;
    };

    CurrentPreset getCurrentPreset() const;

    juce::String getCurrentName() const;
    juce::String getCurrentBank() const;
    juce::String getCurrentUuid() const;
    juce::String getSelectedBankName() const;
    int getSelectedBankIndex() const;

    /** Reads a parameter list "id:value,id:value," (the last comma may be missing) into
        two arrays; returns the number of items. */
    static int splitPairs (juce::StringArray& ids, juce::StringArray& values, const juce::String& text);

    /** Adds a copy of a user bank (renamed when its name is taken; refused unless it is
        a Quillmere_Bank of this product), saves the user banks and tells the bank-list
        listeners. */
    void addBank (const juce::XmlElement& bank);

    /** Queues a save of the user banks. */
    void saveBankAsync();

    /** Queues applying preset presetNumber of the user bank (controller 119, handed over
        to the message thread). bank (the controller-118 value) is not used. Every
        request applies, in the order of the requests, so the last one stays in place. */
    void loadPresetAsync (int presetNumber, int bank);

    void addPresetListener (Listener* l) { presetListeners.add (l); }
    void removePresetListener (Listener* l) { presetListeners.remove (l); }
    void addBankListListener (BankListListener* l) { bankListListeners->listeners.add (l); }
    void removeBankListListener (BankListListener* l) { bankListListeners->listeners.remove (l); }

    /** True while this instance is filling the shared bank list. */
    bool isLoadingBankList() const noexcept { return startedLoading.load(); }

    const juce::File& getUserBankFile() const noexcept { return userBankFile; }

    static const juce::Identifier presetTag;
    static const juce::Identifier bankTag;

protected:
    /** Ends the pool's jobs and waits for them. The processor calls this first in its
        destructor: a job may call back into it. */
    void stopPresetJobs();

private:
    friend class LoadPresetListJob;
    friend class SaveBankJob;
    friend class PresetLoadJob;

    struct SharedListeners
    {
        juce::ListenerList<BankListListener, juce::Array<BankListListener*, juce::CriticalSection>> listeners;
    };

    void notifyBankListListeners (juce::ThreadPoolJob* job);
    void setSelectedBank (const SharedBankList::Added&);

    mutable juce::SpinLock currentLock;
    juce::String currentName, currentBank, currentUuid;
    juce::String selectedBankName;
    int selectedBankIndex = -1;

    juce::SharedResourcePointer<SharedBankList> banks;
    juce::SharedResourcePointer<SharedListeners> bankListListeners;
    juce::File userBankFile;

    static constexpr int loadDelayMs = 500;
    std::atomic<bool> startedLoading { false };
    std::atomic<bool> stopping { false };

    PendingPresetLoads pendingLoads;

    juce::ListenerList<Listener, juce::Array<Listener*, juce::CriticalSection>> presetListeners;

    JUCE_DECLARE_NON_COPYABLE (PresetManager)
};
