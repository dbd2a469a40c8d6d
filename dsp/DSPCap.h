#pragma once

/** Root of the small signal blocks that are driven by a single process call. */
class DSPCap
{
public:
    virtual ~DSPCap() = default;
    virtual void process() = 0;
};
