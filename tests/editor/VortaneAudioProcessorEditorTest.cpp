#include "support/EditorFixture.h"
#include "support/FileWriteCounter.h"

namespace
{
    struct OpenCase { const char* stored; int width, height; float factor; };
    using EditorOpenTest = WithoutPrefs<::testing::TestWithParam<OpenCase>>;
}

TEST_P (EditorOpenTest, opensAtTheStoredScaleWithTheMainWindowAtItsBaseSize)
{
    const auto c = GetParam();
    if (c.stored != nullptr)
        PrefsOnDisk::write ({ { "scale", c.stored } });

    TestEditor editor;
    EXPECT_EQ (editor->getWidth(), c.width);
    EXPECT_EQ (editor->getHeight(), c.height);
    EXPECT_EQ (editor.window().getBounds(), juce::Rectangle<int> (0, 0, 703, 319));
    EXPECT_FLOAT_EQ (editor.window().getTransform().mat00, c.factor);
    EXPECT_FLOAT_EQ (editor.window().getTransform().mat11, c.factor);
}

// The preferences' tests read every kind of stored text; those between the steps stay.
INSTANTIATE_TEST_SUITE_P (Stored, EditorOpenTest, ::testing::Values (
    OpenCase { nullptr, 703, 319, 1.0f }, OpenCase { "75", 527, 239, 0.75f }, OpenCase { "120", 843, 382, 1.2f },
    OpenCase { "abc", 351, 159, 0.5f }, OpenCase { "300", 1406, 638, 2.0f },
    OpenCase { "200", 1406, 638, 2.0f }, OpenCase { "150", 1054, 478, 1.5f }, OpenCase { "50", 351, 159, 0.5f },
    OpenCase { "0", 351, 159, 0.5f }));

using EditorPrefsTest = WithoutPrefs<>;

TEST_F (EditorPrefsTest, openingAndQuickKeyPressesWriteOnceEachAndAHostResizeIsPutBackWithoutWriting)
{
    // First start: the processor creates the empty file; the editor writes it once.
    TestProcessor processor;
    ASSERT_TRUE (PrefsOnDisk::file().existsAsFile());
    EXPECT_EQ (PrefsOnDisk::read(), nullptr);
    FileWriteCounter writes (PrefsOnDisk::file());
    std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
    auto& scaler = dynamic_cast<PluginScaler&> (*editor);

    ASSERT_TRUE (pumpUntil ([&] { return ! scaler.isTimerRunning(); }));
    EXPECT_EQ (writes.count(), 1);
    ASSERT_NE (PrefsOnDisk::read(), nullptr);
    EXPECT_EQ (PrefsOnDisk::read()->getStringAttribute ("scale"), "100");

    for (auto key : { '-', '=', '=' })
        scaler.keyPressed (juce::KeyPress (key, juce::ModifierKeys::commandModifier, key), editor.get());
    ASSERT_TRUE (pumpUntil ([&] { return ! scaler.isTimerRunning(); }));
    EXPECT_EQ (writes.count(), 2);
    EXPECT_EQ (PrefsOnDisk::read()->getIntAttribute ("scale"), 150);
    EXPECT_EQ (editor->getWidth(), 1054);

    editor->setSize (800, 400);
    ASSERT_TRUE (pumpUntil ([&] { return editor->getWidth() == 1054; }));
    EXPECT_EQ (editor->getHeight(), 478);
    ASSERT_TRUE (pumpUntil ([&] { return ! scaler.isTimerRunning(); }));
    EXPECT_EQ (writes.count(), 2);
}

namespace
{
    /** A host window that keeps its editor at 703 × 319, answering each resize
        right away or a moment later, and counts the editor's resizes. */
    struct RefusingHost : juce::Component
    {
        void childBoundsChanged (juce::Component* editor) override
        {
            ++resizes;
            if (editor->getWidth() == 703 && editor->getHeight() == 319)
                return;
            if (later)
                juce::MessageManager::callAsync ([safe = SafePointer<juce::Component> (editor)]
                                                 { if (safe != nullptr) safe->setSize (703, 319); });
            else
                editor->setSize (703, 319);
        }

        bool later = false;
        int resizes = 0;
    };

    using RefusingHostTest = WithoutPrefs<::testing::TestWithParam<bool>>;
}

TEST_P (RefusingHostTest, aRefusedSizeNeitherLoopsTheTimerNorWritesAgain)
{
    TestEditor editor;
    RefusingHost host;
    host.later = GetParam();
    host.addAndMakeVisible (*editor);

    // Settled: the timer rests, and a round of posted messages (a host answering
    // later) neither resizes the editor nor starts the timer again. A loop never is.
    const auto settled = [&]
    {
        const int before = host.resizes;
        return ! editor->isTimerRunning() && pumpPosted() && ! editor->isTimerRunning() && host.resizes == before;
    };
    ASSERT_TRUE (pumpUntil (settled));

    FileWriteCounter writes (PrefsOnDisk::file());
    host.resizes = 0;
    PluginScaler& scaler = *editor;
    EXPECT_TRUE (scaler.keyPressed (juce::KeyPress ('=', juce::ModifierKeys::commandModifier, '='), editor.editor.get()));

    ASSERT_TRUE (pumpUntil (settled));
    EXPECT_LE (host.resizes, 8);
    EXPECT_EQ (writes.count(), 1);
    EXPECT_EQ (PrefsOnDisk::read()->getIntAttribute ("scale"), 150);
    EXPECT_EQ (editor->getWidth(), 703);   // the host's size stands
    EXPECT_EQ (editor.window().getBounds(), juce::Rectangle<int> (0, 0, 703, 319));
}

INSTANTIATE_TEST_SUITE_P (AnsweringAtOnceOrLater, RefusingHostTest, ::testing::Bool());
