#include "editor/UIContainer.h"
#include "core/ProcessorData.h"
#include "editor/VortaneResources.h"

UIContainer::UIContainer (ProcessorData& processorData)
    : data (processorData),
      background (VortaneResources::getControlPanelPicture())
{
    addAndMakeVisible (background);
    setPaintingIsUnclipped (true);
}

UIContainer::~UIContainer() = default;

void UIContainer::resized()
{
    background.setBounds (0, 0, getWidth(), getHeight());
}
