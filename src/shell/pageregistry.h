#pragma once

class PageHost;

// Registers every editing page of the program with the host.
void registerPages(PageHost &host);
