#pragma once

class Panel3D;

// What assistive technology reads of a 3-D panel: what it shows. A panel showing a caption (a
// message, a score, a status) is named by that caption, so that it is heard as it is seen; the
// name its owner gave, which says what the panel is ("Status"), becomes its description. A panel
// showing no text (a container, a frame around a picture) keeps the name its owner gave. A
// pressable panel is a button with a press action.
// As a container it leaves out of what is read the controls it holds that another control covers
// whole (a banner over a message, a card's back over its picture), and a panel so covered reads
// as not showing: a screen reader reads what a person sees.
namespace Panel3DAccessibility {

// Makes the accessibility framework describe every panel so; called by each panel.
void install();

// The panel's shown text changed: listening assistive technology hears the new name and
// description, and a live panel's new text is announced.
void shownTextChanged(Panel3D& panel);

} // namespace Panel3DAccessibility
