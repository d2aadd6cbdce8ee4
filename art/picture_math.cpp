// The one failure a text picture can have.
#include "art/picture_math.hpp"

#include "base/fatal.hpp"

namespace korvedan {

void bad_picture_row() { fatal("picture rows are 16 characters"); }

}  // namespace korvedan
