#pragma once

// How the board is drawn. Plain integers wherever they cross an interface, so
// the enumerators stay unscoped (`Bottom` and `eLedPanelSide::Bottom` both work).

enum eLedPanelSide
{
    Top = 0,
    Bottom = 1,
};

enum eLedPanelBackground
{
    Simple = 0,
    Image = 1,
};

enum eLedPanelLayout
{
    Rectangle = 0,
    Ring = 1,
};
