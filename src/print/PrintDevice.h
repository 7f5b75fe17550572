#pragma once
// The one print device: pages in millimetres, fonts, colours, lines, boxes and pictures.

namespace qv {

class PrintDevice {};

}  // namespace qv
