#include "ui/toolkit/QuilTextEditor.h"

QuilTextEditor::QuilTextEditor() : juce::TextEditor ({}, 0)
{
    setBorder ({});
    setIndents (0, 0);
}

QuilTextEditor::~QuilTextEditor() = default;
