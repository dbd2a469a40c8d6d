#pragma once

#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>
#include <memory>

/** One real processor for a whole test suite, for suites of many small read-only
    cases (value texts); tests that change values restore them or make their own. */
template <typename Base = ::testing::Test>
class WithSharedProcessor : public Base
{
protected:
    static void SetUpTestSuite()     { shared = std::make_unique<TestProcessor>(); }
    static void TearDownTestSuite()  { shared.reset(); }

    static VortaneAudioProcessor& processor()  { return **shared; }

    static juce::AudioProcessorParameter& parameter (int index)
    {
        return *processor().getParameters()[index];
    }

    static inline std::unique_ptr<TestProcessor> shared;
};
