#include "pages/seitenzustand.h"

namespace quarnel {

Seitenzustand& SeitenzustandGlobal() {
    static Seitenzustand zustand;
    return zustand;
}

}  // namespace quarnel
