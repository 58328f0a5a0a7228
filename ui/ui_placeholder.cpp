// The Qt user interface.
