#pragma once

// Whether the desktop's clipboard (the CLIPBOARD selection) holds text that a paste would bring.
// The program that holds it is asked what it offers; one that does not answer within a second
// offers nothing.
bool ClipboardOffersText();
