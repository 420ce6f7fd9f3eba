#include "app/module1.h"

std::int64_t Module1::btn = 0;
std::string Module1::dirty;
