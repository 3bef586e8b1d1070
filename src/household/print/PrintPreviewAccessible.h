#pragma once

class PrintPreview;

// What a screen reader reads of a print preview: the text of the page in view, in reading order,
// through the accessible text, and which page that is ("Page 2 of 3") as its description.
namespace PrintPreviewAccessibility {

// Makes the accessibility framework describe every preview so; called by each preview.
void install();

// The document or the page in view changed: listening assistive technology reads the new page.
void pageChanged(PrintPreview& preview);

} // namespace PrintPreviewAccessibility
