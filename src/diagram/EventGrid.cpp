#include "diagram/EventGrid.h"

EventGrid& TheEventGrid()
{
    static EventGrid grid;
    return grid;
}
