typedef enum { Red, Green, Blue } Colour;

//--- a default beside cases for every enumerator is reported on the default label
int brightness(Colour colour) {
    switch (colour) {
    case Red: return 1;
    case Green: return 2;
    case Blue: return 3;
    ↓default: return 0;
    }
}

//--- a default that covers a missing enumerator is not
int warmth(Colour colour) {
    switch (colour) {
    case Red: return 1;
    case Green: return 2;
    default: return 0;
    }
}
