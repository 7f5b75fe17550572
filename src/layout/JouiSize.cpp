#include "layout/JouiSize.h"

#include "platform/Numbers.h"

namespace qv {

int NormalisedJouiSize(int size, long long limit) {
  if (size == 0) size = 8;
  while (size > 0 && size > limit) size = platform::roundHalfEven(size / 2.0);
  return size;
}

}  // namespace qv
