// An executable that only carries a program's resources, so that they are read back from a
// real executable as the system reads them.
int main()
{
    return 0;
}
