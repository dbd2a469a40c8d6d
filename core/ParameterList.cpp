#include "core/ParameterList.h"

int ParameterList::split (const juce::String& text, juce::StringArray& identifiers, juce::StringArray& values)
{
    identifiers.clear();
    values.clear();

    // One pass over the characters: index-based String calls would rescan the
    // text from its start for every item.
    using Pointer = juce::String::CharPointerType;
    auto findFrom = [] (Pointer from, juce::juce_wchar wanted) -> Pointer
    {
        while (! from.isEmpty() && *from != wanted)
            ++from;
        return from;
    };

    auto itemStart = text.getCharPointer();
    auto colon = findFrom (itemStart, ':');

    while (! colon.isEmpty())
    {
        identifiers.add (juce::String (itemStart, colon));

        const auto valueStart = colon + 1;
        const auto comma = findFrom (valueStart, ',');
        values.add (juce::String (valueStart, comma));

        if (comma.isEmpty())
            break;

        itemStart = comma + 1;
        colon = findFrom (itemStart, ':');
    }

    return identifiers.size();
}

ParameterList::ParameterList (const juce::String& text)
{
    split (text, identifiers, values);
}

int ParameterList::indexOf (const juce::String& identifier) const
{
    return identifiers.indexOf (identifier);
}

void ParameterList::append (juce::String& list, const juce::String& identifier, const juce::String& value)
{
    list << identifier << ':' << value << ',';
}
