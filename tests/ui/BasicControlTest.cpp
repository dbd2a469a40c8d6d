#include "support/EditorFixture.h"
#include "support/MouseEvents.h"
#include "support/ParameterIndex.h"
#include "support/SharedProcessor.h"
#include "ui/toolkit/BasicKnob.h"
#include "ui/toolkit/CtrlGestHoriz.h"

#include <gtest/gtest.h>

namespace
{
    using M = juce::ModifierKeys;
    constexpr int leftButton = M::leftButtonModifier, rightButton = M::rightButtonModifier,
                  ctrl = M::ctrlModifier, shift = M::shiftModifier;

    juce::MouseEvent eventAt (juce::Component& c, juce::Point<float> pos, int mods, juce::Point<float> down,
                              juce::int64 time = juce::Time::currentTimeMillis())
    {
        const juce::Time t (time);
        return { juce::Desktop::getInstance().getMainMouseSource(), pos, M (mods),
                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                 juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                 juce::MouseInputSource::defaultTiltY, &c, &c, t, down, t, 1, pos != down };
    }

    enum class Kind { vertical, horizontal, knobRound, knobLinear };

    struct Control
    {
        Control (QuilParam& p, Kind kind, int size)
            : rotary (kind == Kind::knobRound),
              control (kind >= Kind::knobRound ? std::make_unique<BasicKnob> (p, &rotary) : std::make_unique<BasicControl> (p))
        {
            if (kind == Kind::horizontal)
                control->setGesture (std::make_unique<CtrlGestHoriz>());
            control->setSize (size, size);
        }

        BasicControl* operator->() const { return control.get(); }

        bool rotary;
        std::unique_ptr<BasicControl> control;
    };

    struct Move { float x, y; int mods; };
    struct DragCase
    {
        const char* name;
        Kind kind;
        int size;
        Move press;
        std::vector<Move> moves;    // drag events; the last one's modifiers release the button
        float expected;             // Cutoff (range 0..1) after starting at 0.3
        int gestures;               // begin/end pairs the host sees
        bool flipModeAfterPress = false;
    };

    using ControlDragTest = WithSharedProcessor<::testing::TestWithParam<DragCase>>;

    constexpr float up144x = 82.0f + 50.0f * 0.58778525f, up144y = 82.0f + 50.0f * 0.80901699f;   // 144° right of up
}

TEST_P (ControlDragTest, aDragMovesTheValueAsOneHostGesture)
{
    const auto& c = GetParam();
    auto& cutoff = quilParam (processor(), ParamIndex::cutoff);
    cutoff.setRealValueNotifyingHost (0.3f);
    GestureCounter host (cutoff);
    Control control (cutoff, c.kind, c.size);
    EXPECT_EQ ((int) control->getProperties()["pIndex"], ParamIndex::cutoff);

    const juce::Point<float> down (c.press.x, c.press.y);
    control->mouseDown (eventAt (*control.control, down, c.press.mods, down));
    if (c.flipModeAfterPress)
        control.rotary = ! control.rotary;
    for (const auto& m : c.moves)
        control->mouseDrag (eventAt (*control.control, { m.x, m.y }, m.mods, down));
    control->mouseUp (eventAt (*control.control, down, c.moves.back().mods & ~(leftButton | rightButton), down));

    EXPECT_NEAR (cutoff.getRealValue(), c.expected, 1.0e-5);
    EXPECT_EQ (host.begins, c.gestures);
    EXPECT_EQ (host.ends, c.gestures);
    EXPECT_FALSE (control->isGestureOpen());
}

INSTANTIATE_TEST_SUITE_P (Gestures, ControlDragTest, ::testing::Values (
    DragCase { "verticalFullHeightIsFullRange", Kind::vertical, 100, { 50, 50, leftButton }, { { 50, 40, leftButton } }, 0.4f, 1 },
    DragCase { "verticalShiftIsHundredTimesFiner", Kind::vertical, 100, { 50, 50, leftButton }, { { 50, 40, leftButton | shift } }, 0.301f, 1 },
    DragCase { "verticalSeventyAsideIsSlower", Kind::vertical, 100, { 120, 50, leftButton }, { { 120, 40, leftButton } }, 0.34f, 1 },
    DragCase { "horizontalSeventyAboveIsSlower", Kind::horizontal, 100, { 50, -20, leftButton }, { { 60, -20, leftButton } }, 0.3f + 0.1f / 3.5f, 1 },
    DragCase { "roundBelowFromLeftIsMinimum", Kind::knobRound, 164, { 82, 82, leftButton }, { { 81, 150, leftButton } }, 0.0f, 1 },
    DragCase { "roundShiftDropsTheBottomJump", Kind::knobRound, 164, { 81, 150, leftButton }, { { 83, 150, leftButton | shift } }, 0.3f, 1 },
    DragCase { "roundWithoutMovementChangesNothing", Kind::knobRound, 164, { 152, 82, leftButton }, { { 152, 82, leftButton } }, 0.3f, 1 },
    DragCase { "knobModeIsLatchedAtMouseDown", Kind::knobLinear, 164, { 82, 82, leftButton }, { { 82, 65.6f, leftButton } }, 0.4f, 1, true },
    DragCase { "roundModeIsLatchedAtMouseDown", Kind::knobRound, 164, { 82, 82, leftButton }, { { 152, 82, leftButton } }, 0.8125f, 1, true },
    DragCase { "zeroSizeAreaChangesNothing", Kind::vertical, 0, { 0, 0, leftButton }, { { 0, 0, leftButton }, { 0, -10, leftButton } }, 0.3f, 1 },
    DragCase { "horizontalRightRaises", Kind::horizontal, 100, { 50, 50, leftButton }, { { 60, 50, leftButton } }, 0.4f, 1 },
    DragCase { "roundStraightUpIsHalf", Kind::knobRound, 164, { 82, 82, leftButton }, { { 82, 20, leftButton } }, 0.5f, 1 },
    DragCase { "roundSeventyRight", Kind::knobRound, 164, { 82, 82, leftButton }, { { 152, 82, leftButton } }, 0.8125f, 1 },
    DragCase { "round144RightIsMaximum", Kind::knobRound, 164, { 82, 82, leftButton }, { { up144x, up144y, leftButton } }, 1.0f, 1 },
    DragCase { "linearKnobTenthOfItsHeight", Kind::knobLinear, 164, { 82, 82, leftButton }, { { 82, 65.6f, leftButton } }, 0.4f, 1 },
    DragCase { "zeroSizeHorizontalChangesNothing", Kind::horizontal, 0, { 0, 0, leftButton }, { { 0, 0, leftButton }, { 10, 0, leftButton } }, 0.3f, 1 },
    DragCase { "rightButtonDragIsAPopupClick", Kind::vertical, 100, { 50, 50, rightButton }, { { 50, 10, rightButton } }, 0.3f, 0 },
    DragCase { "controlDragIsAPopupClick", Kind::knobRound, 164, { 150, 82, leftButton | ctrl }, { { 152, 40, leftButton | ctrl } }, 0.3f, 0 },
    DragCase { "controlPressedDuringAVerticalDrag", Kind::vertical, 100, { 50, 50, leftButton }, { { 50, 40, leftButton }, { 50, 30, leftButton | ctrl } }, 0.4f, 1 },
    DragCase { "controlPressedDuringAHorizontalDrag", Kind::horizontal, 100, { 50, 50, leftButton }, { { 60, 50, leftButton }, { 70, 50, leftButton | ctrl } }, 0.4f, 1 },
    DragCase { "rightButtonAddedDuringADrag", Kind::knobLinear, 164, { 82, 82, leftButton }, { { 82, 65.6f, leftButton }, { 82, 0, leftButton | rightButton } }, 0.4f, 1 }),
    [] (const ::testing::TestParamInfo<DragCase>& caseInfo) { return std::string (caseInfo.param.name); });

//==============================================================================
namespace
{
    struct WheelEvent { float deltaX, deltaY; bool reversed; int mods; juce::int64 time; };
    struct WheelCase { const char* name; int parameter; int steps; std::vector<WheelEvent> events; double expectedChange; };
    using ControlWheelTest = WithSharedProcessor<::testing::TestWithParam<WheelCase>>;
}

TEST_P (ControlWheelTest, theWheelStepsTheValue)
{
    const auto& c = GetParam();
    auto& p = quilParam (processor(), c.parameter);
    const int oldSteps = p.getNumSteps();
    p.setNumSteps (c.steps);
    p.setValueNotifyingHost (0.5f);
    const double start = p.getRealValue();
    {
        BasicControl control (p);
        control.setSize (60, 60);
        for (const auto& w : c.events)
            control.mouseWheelMove (eventAt (control, { 30, 30 }, w.mods, { 30, 30 }, w.time),
                                    juce::MouseWheelDetails { w.deltaX, w.deltaY, w.reversed, false, false });
    }
    p.setNumSteps (oldSteps);

    EXPECT_NEAR (p.getRealValue() - start, c.expectedChange, 1.0e-6);
}

INSTANTIATE_TEST_SUITE_P (Wheel, ControlWheelTest, ::testing::Values (
    WheelCase { "sameEventTimeMovesOnceReversedGoesDown", ParamIndex::cutoff, 0, { { 0, 0.5f, false, 0, 1000 }, { 0, 0.5f, false, 0, 1000 }, { 0, 0.5f, true, 0, 1001 }, { 0, 0.5f, true, 0, 1002 } }, -0.1 },
    WheelCase { "shiftIsFiner", ParamIndex::cutoff, 0, { { 0, 0.5f, false, shift, 1000 } }, 0.005 },
    WheelCase { "popupClickIsIgnored", ParamIndex::cutoff, 0, { { 0, 0.5f, false, rightButton, 1000 }, { 0, 0.5f, false, ctrl, 1001 } }, 0.0 },
    WheelCase { "fourStepsAQuarterPerEvent", ParamIndex::cutoffCv1Left, 4, { { 0, 0.01f, false, 0, 1000 }, { 0, 0.01f, false, shift, 1001 }, { 0, -1.0f, false, 0, 1002 } }, 0.5 },
    WheelCase { "horizontalScrollDoesNotStep", ParamIndex::cutoffCv1Left, 4, { { 1.0f, 0, false, 0, 1000 }, { 1.0f, 0, false, 0, 1001 } }, 0.0 },
    WheelCase { "horizontalScrollDoesNotMove", ParamIndex::cutoff, 0, { { 1.0f, 0, false, 0, 1000 } }, 0.0 },
    WheelCase { "horizontalScrollEitherWayDoesNotStep", ParamIndex::cutoffCv1Left, 4, { { 1.0f, 0, false, 0, 1000 }, { -1.0f, 0, false, 0, 1001 } }, 0.0 }),
    [] (const ::testing::TestParamInfo<WheelCase>& caseInfo) { return std::string (caseInfo.param.name); });

//==============================================================================
namespace
{
    // expected: Cutoff's real value afterwards, from 0.3; gestures: begin/end pairs seen.
    struct TypedCase { const char* name; const char* typed; bool escape; float expected; int gestures; };
    using ControlTypedValueTest = WithSharedProcessor<::testing::TestWithParam<TypedCase>>;
}

TEST_P (ControlTypedValueTest, returnSetsWhatTheTextReadsAsLimitedToTheRangeAndClosesTheEditor)
{
    const auto& c = GetParam();
    auto& cutoff = quilParam (processor(), ParamIndex::cutoff);
    cutoff.setRealValueNotifyingHost (0.3f);
    GestureCounter host (cutoff);

    BasicControl control (cutoff);
    control.setSize (100, 100);
    control.mouseDoubleClick (eventAt (control, { 50, 50 }, leftButton, { 50, 50 }));
    ASSERT_TRUE (control.isValueEditorShowing());

    auto& editor = control.getValueEditor();
    editor.setText (c.typed, false);
    editor.keyPressed (juce::KeyPress (c.escape ? juce::KeyPress::escapeKey : juce::KeyPress::returnKey));
    EXPECT_TRUE (pumpUntil ([&] { return ! control.isValueEditorShowing(); }));

    EXPECT_FLOAT_EQ ((float) cutoff.getRealValue(), c.expected);
    EXPECT_EQ (host.begins, c.gestures);
    EXPECT_EQ (host.ends, c.gestures);
}

// Infinite numbers are limited like any other; a text without a number reads as 0 Hz,
// the bottom; only an empty text, "nan" and Escape change nothing.
INSTANTIATE_TEST_SUITE_P (Texts, ControlTypedValueTest, ::testing::Values (
    TypedCase { "infinity", "inf", false, 1.0f, 1 }, TypedCase { "minusInfinity", "-inf", false, 0.0f, 1 },
    TypedCase { "hugeNumber", "1e309", false, 1.0f, 1 }, TypedCase { "noNumber", "abc", false, 0.0f, 1 },
    TypedCase { "notANumber", "nan", false, 0.3f, 0 }, TypedCase { "negativeNotANumber", "-nan", false, 0.3f, 0 },
    TypedCase { "empty", "", false, 0.3f, 0 }, TypedCase { "escape", "1k", true, 0.3f, 0 }),
    [] (const ::testing::TestParamInfo<TypedCase>& row) { return std::string (row.param.name); });
