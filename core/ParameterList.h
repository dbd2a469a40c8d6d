#pragma once

#include <juce_core/juce_core.h>

/** The parameter list of a preset element ("Parameters", "Locks"): items
    "identifier:value," in parameter order. Reading takes identifiers and values
    as they stand; a last item without its comma runs to the end of the text
    (bank files carry such lists). */
class ParameterList
{
public:
    /** Splits a list into identifiers and values of equal length; returns the item count. */
    static int split (const juce::String& text, juce::StringArray& identifiers, juce::StringArray& values);

    explicit ParameterList (const juce::String& text);

    int size() const noexcept { return identifiers.size(); }
    bool isEmpty() const noexcept { return identifiers.isEmpty(); }

    /** Index of the first item with this identifier, or -1. */
    int indexOf (const juce::String& identifier) const;

    juce::StringArray identifiers;
    juce::StringArray values;

    /** Appends one item in the written form. */
    static void append (juce::String& list, const juce::String& identifier, const juce::String& value);
};
