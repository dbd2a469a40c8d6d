#pragma once

/** The maker's colour IDs that more than one class of the look-and-feel, the palette
    and the product editor share. Widget-only IDs are written where the widget uses them. */
namespace QuilColourIds
{
    // Drawing operations of the look-and-feel itself.
    enum : int
    {
        boxFillActive = 0x2002300,
        boxFillIdle = 0x2002301,
        boxOutlineActive = 0x2002302,
        tabText = 0x2002303,
        iconNormal = 0x2002304,
        iconActive = 0x2002305,
        iconHighlighted = 0x2002306,
        iconDisabled = 0x2002307,
        tabFillActive = 0x2002311,
        tabFillIdle = 0x2002312
    };

    // The modulation pop-up's frame and gradients, copied from palette slots.
    enum : int
    {
        modOuterFrame = 0x2222000,
        modSliderBackground = 0x2222001,
        modOuterGradient1 = 0x2222002,
        modOuterGradient2 = 0x2222003,
        modInnerGradient1 = 0x2222004,
        modInnerGradient2 = 0x2222005,
        modTickMarks = 0x2222006,
        modInnerFrame = 0x2331003
    };

    // The segmented stereo meter.
    enum : int
    {
        meterBackground = 0x2234001,
        meterLow = 0x2234002,
        meterHigh = 0x2234003
    };

    /** The ten colour IDs of one modulation-pop-up row. */
    struct ModulationRowIds
    {
        int p, q, pAgain, qAgain, qThird, qDark, pTrans, qTrans, shade1, shade2;
    };

    static constexpr int numModulationRows = 8;

    /** Every row's IDs written out. Like rows 1 to 4, rows 5 to 8 count in
        decimal-looking hexadecimal steps (…08, …09, …10), so that the colour scheme
        writes exactly the IDs the main window reads. */
    static constexpr ModulationRowIds modulationRowIds[numModulationRows] = {
        { 0x2222007, 0x2223001, 0x2222008, 0x2222009, 0x2222010, 0x2223009, 0x2223010, 0x2223011, 0x2222012, 0x2223005 },
        { 0x2222013, 0x2223002, 0x2222014, 0x2222015, 0x2222016, 0x2223012, 0x2223013, 0x2223014, 0x2222018, 0x2223006 },
        { 0x2222019, 0x2223003, 0x2222020, 0x2222021, 0x2222022, 0x2223015, 0x2223016, 0x2223017, 0x2222024, 0x2223007 },
        { 0x2222025, 0x2223004, 0x2222026, 0x2222027, 0x2222028, 0x2223018, 0x2223019, 0x2223020, 0x2222030, 0x2223008 },
        { 0x2304001, 0x2304002, 0x2304003, 0x2304004, 0x2304005, 0x2304008, 0x2304009, 0x2304010, 0x2304006, 0x2304007 },
        { 0x2304011, 0x2304012, 0x2304013, 0x2304014, 0x2304015, 0x2304018, 0x2304019, 0x2304020, 0x2304016, 0x2304017 },
        { 0x2304021, 0x2304022, 0x2304023, 0x2304024, 0x2304025, 0x2304028, 0x2304029, 0x2304030, 0x2304026, 0x2304027 },
        { 0x2304031, 0x2304032, 0x2304033, 0x2304034, 0x2304035, 0x2304038, 0x2304039, 0x2304040, 0x2304036, 0x2304037 }
    };
}
