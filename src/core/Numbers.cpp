#include "core/Numbers.hpp"
