#pragma once
// The product's fixed lists of input and output extensions ("pcx" and "jpg"). The settings defaults need
// them too, so they are declared there, below the formats in the order of dependencies.

#include "settings/product_formats.h"
