#pragma once

// The DPI number shown for a stored DPI code. Each sensor family counts its
// steps differently; an unknown sensor type gives 0.
int dpiCodeToDpi(int code, int sensorType);
