#pragma once
// os_release(_:), listed among the os module's functions in Apple's API changes for OS X 10.10
// (https://developer.apple.com/library/mac/documentation/General/Reference/APIDiffsMacOSX10_10SeedDiff/modules/os.html).
extern "C" void os_release(void *object);
