#pragma once

// The twelve parameter classes in one include, for the table and the interface.
#include "params/ParamValueFormat.h"
#include "params/QuilParam.h"
#include "params/QuilParamFloat.h"
#include "params/QuilParamFrequencyHz.h"
#include "params/QuilParamPercentUnbounded.h"
#include "params/QuilParamModulationRange.h"
#include "params/QuilParamModHiRes.h"
#include "params/QuilParamGrittle.h"
#include "params/QuilParamGrittleAmp12.h"
#include "params/QuilParamGrittlePercent.h"
#include "params/QuilParamFilterTypeSVF3.h"
#include "params/QuilParamOnOff.h"
#include "params/QuilParamNamedSelector.h"
#include "params/QuilParamStereoMod.h"
