#include "strategy/chart.h"
