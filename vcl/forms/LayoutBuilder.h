#pragma once

#include "LayoutTree.h"

class TForm;

// Builds a form from its layout tree: the root object is the form itself (its class must be the
// form's class), every nested object becomes a component owned by the form, in file order.
// Throws ELayoutError naming the line and the word of any unknown class, property, value,
// handler, picture or component, or of an object standing where its class may not.
void BuildLayout(TForm& form, const LayoutObject& root);
