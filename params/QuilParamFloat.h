#pragma once

#include "params/QuilParam.h"

/** Common base of the continuous parameters. */
class QuilParamFloat : public QuilParam
{
public:
    using QuilParam::QuilParam;
};
