#pragma once

class StationRun;
class StationWindow;

// Where the engine that runs the units meets the window: its news goes to
// the window's slots, the operator's answers come back. Both must outlive
// the connections.
class StationLink
{
public:
    static void connect(StationWindow& window, StationRun& run);
};
