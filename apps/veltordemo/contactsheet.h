#pragma once
// Every demonstration dialog in one picture, for the documentation and for a
// quick look over the whole program.

#include <QImage>

namespace VeltorDemo {

// The dialogs in launcher order, each scaled into a cell of the same size
// with its class name and caption beneath. Call after RegisterDemoClasses().
QImage DialogContactSheet();

}  // namespace VeltorDemo
