// The GUI library grows here (shell, pages, results, print, widgets).
namespace quarnel::gui {}
