#pragma once

#include "dsp/DSPCap.h"
#include "dsp/LookupTables.h"

/** A filter block that reads its coefficient from a shared look-up table. */
class FilterBaseClass : public DSPCap
{
public:
    explicit FilterBaseClass (const LookupTable& coefficientTable) noexcept : table (&coefficientTable) {}

    virtual void reset() = 0;

protected:
    const LookupTable* table;
};
