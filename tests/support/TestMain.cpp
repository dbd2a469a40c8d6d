// Test entry point: points HOME at a fresh temporary folder (so that no test ever
// touches the user's real preferences or banks) and starts the framework.
#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

int main (int argc, char** argv)
{
    std::string home = "/tmp/vortane-test-home-XXXXXX";
    if (mkdtemp (home.data()) == nullptr)
        return 2;
    setenv ("HOME", home.c_str(), 1);

    ::testing::InitGoogleTest (&argc, argv);

    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI juce;
        result = RUN_ALL_TESTS();
    }

    juce::File (home).deleteRecursively();
    return result;
}
