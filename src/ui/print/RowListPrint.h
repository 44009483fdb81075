#pragma once

#include "print/RowList.h"

#include <functional>

class QPrinter;
class QWidget;

namespace numora::ui {

// The plain list of the sheet's rows: its print preview, from which the user prints or saves it.
namespace RowListPrint {

void preview(const print::RowListPage& page, QWidget* parent);
void printOn(QPrinter& printer, const print::RowListPage& page);
// A test takes the next preview instead of the user: `look` gets the page.
void answerNextPreview(std::function<void(const print::RowListPage&)> look);

} // namespace RowListPrint
} // namespace numora::ui
