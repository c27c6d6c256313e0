#include "numeric/extended.hpp"
