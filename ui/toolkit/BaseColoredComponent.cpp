#include "ui/toolkit/BaseColoredComponent.h"

BaseColoredComponent::BaseColoredComponent() = default;
BaseColoredComponent::~BaseColoredComponent() = default;
